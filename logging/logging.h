// The logging facade over the core event log: lines at this library's own
// severities, opening and closing the log, and the start-up version banner.
// Every line is written under event category 110.
#ifndef LOGGING_LOGGING_H_
#define LOGGING_LOGGING_H_

#include <boost/optional.hpp>
#include <string>

#include "client_common/export.h"

// Severity of a line. Written at the core levels 3 (debug), 2 (info),
// 0 (critical) and 1 (error); any other value is written at 2.
enum Level : int {
  LEVEL_DEBUG = 0,
  LEVEL_INFO = 1,
  LEVEL_CRITICAL = 2,
  LEVEL_ERROR = 3,
};

// Writes `text` verbatim as one line ("%" is never a conversion). `code` is 0
// for ordinary lines, -501 for a deprecated or discarded input.
CLIENT_COMMON_API void log(Level level, const std::string& text, int code);

// Opens the client log at the core level `level` (2 when empty). `first` and
// `second` pass through to the core library. True when it returned 0.
CLIENT_COMMON_API bool init_logger(const char* first, const char* second,
                                   boost::optional<int> level);

// Changes the core level. True when the core library returned 0.
CLIENT_COMMON_API bool set_level(int level);

// set_level of `level`; true without any call when `level` is empty.
CLIENT_COMMON_API bool set_log_level(boost::optional<int> level);

// Opens an event-log file at `path`, split at its last "/" (or, without one,
// its last backslash) into a directory that keeps the separator and a file
// name. Returns the core library's result unchanged.
CLIENT_COMMON_API int open_logfile(const std::string& path,
                                   const std::string& second,
                                   const std::string& third);

// Ends logging: a new session id, the line "<name>: Resource cleanup
// complete." at info, then the core library closes its files.
CLIENT_COMMON_API void log_close(const std::string& name);

// Writes the banner: "<name>:<build number> is starting up" at critical and
// "Built by <build name> at <timestamp>" at info. `name` must not be null.
CLIENT_COMMON_API void log_client_version(const char* name);

// init_logger, then the banner. False, with nothing written, when the client
// log could not be opened.
CLIENT_COMMON_API bool createNewLogFile(const char* name, const char* first,
                                        const char* second,
                                        boost::optional<int> level);

// The event-log header of an option report: a heading line with `heading` in
// the third column and a rule line, through `format` at critical level.
CLIENT_COMMON_API void write_header(const char* format,
                                    const std::string& heading);

// One event-log row of an option report: the four columns through `format`,
// at critical level; the texts are arguments, never part of the format.
CLIENT_COMMON_API void log_outputs(const char* format, const char* short_column,
                                   const std::string& long_key,
                                   const std::string& value,
                                   const std::string& description);

#endif  // LOGGING_LOGGING_H_
