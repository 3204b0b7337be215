// The whole launch the benchmarks measure: the tokens a general option
// parser also reads, and the full argument vector with a launch URI.
#ifndef BENCH_LAUNCH_WORKLOAD_H_
#define BENCH_LAUNCH_WORKLOAD_H_

#include <string>
#include <vector>

// Every form the peers also read: --key=value, --key value, -k<digit>, and
// switches.
inline const std::vector<std::string> kTokens = {"--address=192.0.2.10",
                                                 "--port",
                                                 "900",
                                                 "-l3",
                                                 "--full-screen",
                                                 "--use-smartcard",
                                                 "--sni=desk-pool",
                                                 "--session-id",
                                                 "s-42",
                                                 "--locale=en_US",
                                                 "--logfile=/tmp/client.log"};

// Our own parser also reads a launch URI with eight parameters.
inline std::vector<std::string> WholeLaunch() {
  std::vector<std::string> args = kTokens;
  args.push_back(
      "quorvane-qarel://192.0.2.10:900?full-screen&sni=desk%20pool&"
      "session-id=s-42&use-smartcard&usb-auto-forward&locale=en_US&"
      "logfile=%2ftmp%2fclient%20log.txt&log-level=3");
  return args;
}

#endif  // BENCH_LAUNCH_WORKLOAD_H_
