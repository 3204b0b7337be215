// The client's event log: opened in the current folder, written, closed,
// and whether every line reached the file.
#include <logging/logging.h>

#include <cstdio>

int main() {
  // Opens ./client.log at "debug" (3) and writes the two-line banner.
  if (!createNewLogFile("client", ".", "client.log", 3)) return 1;
  log(LEVEL_INFO, "connected to 192.0.2.10", 0);
  // "client: Resource cleanup complete."; false if some line was lost.
  if (!log_close_checked("client")) {
    std::fputs("the event log is incomplete\n", stderr);
    return 1;
  }
}
