#include "event_log_file.h"

#include <fcntl.h>
#include <logging/logging.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "commands.h"
#include "masking.h"

namespace {
constexpr char kIncomplete[] =
    "the event log is incomplete (a line or its close failed); nothing is "
    "left behind";

// A folder of our own inside `parent`, mode 0700, open as `fd`: made new,
// opened without following a link, and checked to be ours, since another
// user could rename a folder of theirs into its place between the two.
struct PrivateFolder {
  int parent = -1;
  int fd = -1;
  std::string name;

  explicit PrivateFolder(int in) : parent(in) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch();
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
      name = ".qarel-launch." + std::to_string(getpid()) + "." +
             std::to_string(stamp.count() + attempt);
      if (mkdirat(parent, name.c_str(), 0700) != 0) {
        if (errno == EEXIST) continue;
        return;
      }
      fd = openat(parent, name.c_str(),
                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      struct stat st;
      if (fd >= 0 && (fstat(fd, &st) != 0 || st.st_uid != geteuid() ||
                      (st.st_mode & 077) != 0)) {
        close(fd);
        fd = -1;
        return;  // not ours: leave it where it is
      }
    }
  }
  ~PrivateFolder() {
    if (fd < 0) return;
    close(fd);
    unlinkat(parent, name.c_str(), AT_REMOVEDIR);
  }
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
};

// The client's log, written by the core into `name` in the current folder.
// False when the file could not be opened or the log is not whole.
bool write_log_here(option_list& opts, const std::string& name) {
  if (open_logfile(log_path_in(".", name), kName, kName) != 0) return false;
  boost::optional<int> level;
  if (opts.get_log_level(level)) set_log_level(level);
  log_client_version(kName);
  log_options_set(opts);
  return log_close_checked(kName);
}

// write_log_here inside `inside`, back in the folder where we were after.
bool write_log_in(option_list& opts, int inside, const std::string& name) {
  const int here = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (here < 0 || fchdir(inside) != 0) {
    if (here >= 0) close(here);
    return false;
  }
  const bool whole = write_log_here(opts, name);
  const bool back = fchdir(here) == 0;
  close(here);
  return whole && back;
}
}  // namespace

std::string write_event_log_file(option_list& opts, int folder,
                                 const std::string& name) {
  constexpr char kExists[] = "exists already; only a new file is written";
  struct stat st;
  if (fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
    return kExists;
  if (errno != ENOENT) return std::strerror(errno);
  PrivateFolder inside(folder);
  if (inside.fd < 0) return "no private folder could be made in it";
  const bool whole = write_log_in(opts, inside.fd, name);
  const bool linked =
      whole && linkat(inside.fd, name.c_str(), folder, name.c_str(), 0) == 0;
  const int error = errno;
  unlinkat(inside.fd, name.c_str(), 0);
  if (!whole) return kIncomplete;
  if (!linked) return error == EEXIST ? kExists : std::strerror(error);
  return "";
}
