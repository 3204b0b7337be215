/// \file
/// The logging facade over the core event log: lines at this library's own
/// severities, opening and closing the log, and the start-up version banner.
/// Every line is written under event category 110.
#ifndef LOGGING_LOGGING_H_
#define LOGGING_LOGGING_H_

#include <boost/optional.hpp>
#include <string>

#include "client_common/export.h"

/// Severity of a line, written at a core level of the event log. Any other
/// value is written at core level 2 (info).
enum Level : int {
  LEVEL_DEBUG = 0,     ///< written at core level 3 (debug)
  LEVEL_INFO = 1,      ///< written at core level 2 (info)
  LEVEL_CRITICAL = 2,  ///< written at core level 0 (critical)
  LEVEL_ERROR = 3,     ///< written at core level 1 (error)
};

/// Writes `text` verbatim as one line ("%" is never a conversion).
/// \param level the severity
/// \param text the line
/// \param code 0 for ordinary lines, -501 for a deprecated or discarded
///   input; it reaches the core library unchanged
CLIENT_COMMON_API void log(Level level, const std::string& text, int code);

/// Opens the client log.
/// \param first passed through to the core library
/// \param second passed through to the core library
/// \param level the core level (0 critical to 3 debug); 2 when empty
/// \return true when the core library returned 0
CLIENT_COMMON_API bool init_logger(const char* first, const char* second,
                                   boost::optional<int> level);

/// Changes the core level.
/// \param level the core level, passed through unchanged
/// \return true when the core library returned 0
CLIENT_COMMON_API bool set_level(int level);

/// set_level of `level`, when it holds one.
/// \param level the core level, or empty for no change
/// \return true, without any call, when `level` is empty; else what
///   set_level returns
CLIENT_COMMON_API bool set_log_level(boost::optional<int> level);

/// Opens an event-log file.
/// \param path split at its last "/" (or, without one, its last backslash)
///   into a directory that keeps the separator and a file name
/// \param second passed through to the core library
/// \param third passed through to the core library
/// \return the core library's result, unchanged
CLIENT_COMMON_API int open_logfile(const std::string& path,
                                   const std::string& second,
                                   const std::string& third);

/// A path for an event-log file that stays in `folder`, for a file name
/// that a launch link may choose (the "logfile" option):
/// `open_logfile(log_path_in(folder, name), ...)` opens nothing outside
/// `folder`, since an empty path names no file.
/// \param folder the client's own log folder; a "/" is added unless it ends
///   in one
/// \param name a plain file name: not empty, "." or "..", without "/" or
///   backslash, and printable as it stands (no control byte, no invalid
///   UTF-8, nothing the core log would escape)
/// \return `folder`, the separator and `name`; "" when `folder` is empty or
///   `name` is not a plain file name
CLIENT_COMMON_API std::string log_path_in(const std::string& folder,
                                          const std::string& name);

/// Ends logging: a new session id, the line "<name>: Resource cleanup
/// complete." at info, then the core library closes its files.
/// \param name the client's name
CLIENT_COMMON_API void log_close(const std::string& name);

/// log_close, telling whether the log is whole.
/// \param name the client's name
/// \return true when the core library's close returned 0; with the core
///   this project ships, false when a line since a file was opened could
///   not be written whole (a full disk, say) or a close failed
CLIENT_COMMON_API bool log_close_checked(const std::string& name);

/// Writes the banner: "<name>:<build number> is starting up" at critical
/// and "Built by <build name> at <timestamp>" at info.
/// \param name the client's name; a null name counts as empty
CLIENT_COMMON_API void log_client_version(const char* name);

/// init_logger, then the banner.
/// \param name the client's name, for the banner
/// \param first passed to init_logger
/// \param second passed to init_logger
/// \param level passed to init_logger
/// \return false, with nothing written, when the client log could not be
///   opened; else true
CLIENT_COMMON_API bool createNewLogFile(const char* name, const char* first,
                                        const char* second,
                                        boost::optional<int> level);

/// Writes the event-log header of an option report at critical level: a
/// heading line with `heading` in the third column, and a rule line.
/// \param format the row format, with four "%s" conversions
/// \param heading the third column's heading
CLIENT_COMMON_API void write_header(const char* format,
                                    const std::string& heading);

/// Writes one event-log row of an option report at critical level; the
/// texts are arguments of the format, never part of it.
/// \param format the row format, with four "%s" conversions
/// \param short_column the first column
/// \param long_key the second
/// \param value the third
/// \param description the fourth
CLIENT_COMMON_API void log_outputs(const char* format, const char* short_column,
                                   const std::string& long_key,
                                   const std::string& value,
                                   const std::string& description);

#endif  // LOGGING_LOGGING_H_
