// Opening an event-log file at a path, and a path that stays in a folder.
#include "logging/logging.h"
#include "qarel_core/qarel_core.h"
#include "text_escape/text_escape.h"

int open_logfile(const std::string& path, const std::string& second,
                 const std::string& third) {
  // Split at the last "/"; only a path without one is split at a backslash.
  std::string directory;
  std::string file_name = path;
  std::string::size_type p = path.rfind('/');
  if (p == std::string::npos) p = path.rfind('\\');
  if (p != std::string::npos) {
    directory = path.substr(0, p + 1);
    file_name = path.substr(p + 1);
  }

  quor_event_ext_cfg cfg{};
  cfg.label = third.c_str();
  cfg.directory = directory.c_str();
  cfg.flags = 257;
  cfg.max_files = 10;
  cfg.format_version = 1;
  cfg.source = second.c_str();
  cfg.file_name = file_name.c_str();
  return quor_event_init_ext_cfg(&cfg);
}

std::string log_path_in(const std::string& folder, const std::string& name) {
  const bool plain =
      !name.empty() && name != "." && name != ".." &&
      name.find_first_of("/\\") == std::string::npos &&
      text_escape::escaped(name, text_escape::Source::kOutside) == name;
  if (folder.empty() || !plain) return {};
  return folder.back() == '/' ? folder + name : folder + '/' + name;
}
