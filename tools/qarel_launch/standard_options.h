// The option table that a Quorvane Qarel client registers at launch.
#ifndef TOOLS_QAREL_LAUNCH_STANDARD_OPTIONS_H_
#define TOOLS_QAREL_LAUNCH_STANDARD_OPTIONS_H_

#include <option_list/option_list.h>

option_list standard_options();

#endif  // TOOLS_QAREL_LAUNCH_STANDARD_OPTIONS_H_
