// Splits command-line text of double-quoted arguments, as the launch-URI
// composer writes it, into the arguments without their quotes.
#ifndef TOOLS_QAREL_LAUNCH_QUOTED_ARGUMENTS_H_
#define TOOLS_QAREL_LAUNCH_QUOTED_ARGUMENTS_H_

#include <string>
#include <vector>

// The composer never escapes a quote, and percent-encoded values hold none,
// so each argument runs from one quote to the next.
inline std::vector<std::string> split_quoted(const std::string& text) {
  std::vector<std::string> args;
  std::size_t open = text.find('"');
  while (open != std::string::npos) {
    const std::size_t close = text.find('"', open + 1);
    if (close == std::string::npos) break;
    args.push_back(text.substr(open + 1, close - open - 1));
    open = text.find('"', close + 1);
  }
  return args;
}

#endif  // TOOLS_QAREL_LAUNCH_QUOTED_ARGUMENTS_H_
