// The page's module: qarel-launch, its command line read from the file
// /arguments in the module's memory (each argument ends in a NUL) instead
// of being handed to callMain, which copies every argument onto the
// module's stack and so cannot take a large input.
#include <fstream>
#include <iterator>
#include <string>

#include "commands.h"
#include "output.h"

int main() {
  std::ifstream file("/arguments", std::ios::binary);
  const std::string all{std::istreambuf_iterator<char>(file), {}};
  Args command_line;
  for (std::size_t start = 0, end = 0;
       (end = all.find('\0', start)) != std::string::npos; start = end + 1)
    command_line.emplace_back(all, start, end - start);
  claim_standard_streams();
  return finished(run_command_line(command_line));
}
