// parse --open-log: the client's event log written as a new file in a folder
// the user named, where others may be able to write too.
#ifndef TOOLS_QAREL_LAUNCH_EVENT_LOG_FILE_H_
#define TOOLS_QAREL_LAUNCH_EVENT_LOG_FILE_H_

#include <option_list/option_list.h>

#include <string>

// Writes the banner and the report, as the client writes them, into a new
// regular file `name` directly in the folder open as `folder`. The core
// creates the file inside a private folder made for it in `folder`, where no
// one else can put a link or another file; the whole log is then linked into
// `folder` as `name`, never over anything there. So no path is resolved
// twice where others can rename, and a log that could not be written whole
// leaves nothing behind. Returns what went wrong, or "" once `name` holds
// the whole log.
std::string write_event_log_file(option_list& opts, int folder,
                                 const std::string& name);

#endif  // TOOLS_QAREL_LAUNCH_EVENT_LOG_FILE_H_
