// Internal: the value the launch-argument parsers hand to option_list::set
// for a key given without one. The table refuses it, so such a key ends up
// in rejected_params instead of being silently dropped.
#ifndef OPTION_LIST_IGNORE_VALUE_H_
#define OPTION_LIST_IGNORE_VALUE_H_

#include <string>

namespace client_common::internal {

inline const std::string IGNORE_VALUE = "Ignore_this_value";

}  // namespace client_common::internal

#endif  // OPTION_LIST_IGNORE_VALUE_H_
