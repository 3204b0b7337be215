// The fixed answers, the same on every platform.
#include "platform_mac/platform_mac.h"

bool valid_platform() { return true; }
int quor_attach_console() { return 0; }
void quor_deattach_console() {}
int check_connection_status() { return 0; }
