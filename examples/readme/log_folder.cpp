// The event log kept in the client's own folder, whatever name a launch
// link gives it.
#include <client_common/client_common.h>
#include <logging/logging.h>
#include <option_list/option_flags.h>

#include <string>
#include <vector>

int main(int argc, char** argv) {
  using namespace client_common;  // the option flags
  option_list opts;
  add_option(opts, "", "logfile", "", "Event log", kFromUri);
  arg_to_params(std::vector<std::string>(argv + 1, argv + argc), opts);

  const std::string client_log_folder = ".";     // the client's own
  const std::string name = opts.get("logfile");  // as a link may have set it
  // "" unless name is a plain file name: no "/" or backslash, not "." or
  // "..", nothing the log would escape.
  const std::string path = log_path_in(client_log_folder, name);
  if (path.empty() || open_logfile(path, "client", "client") != 0)
    open_logfile(client_log_folder + "/client.log", "client", "client");
  log(LEVEL_INFO, "launched", 0);
  log_close("client");
}
