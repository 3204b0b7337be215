// qarel-launch: the client_common library from the command line.
#include "commands.h"
#include "output.h"

int main(int argc, char** argv) {
  claim_standard_streams();
  return finished(run_command_line(Args(argv + 1, argv + argc)));
}
