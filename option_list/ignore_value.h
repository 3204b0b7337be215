// Internal: the two texts the assignment rules give a meaning. kIgnoreValue
// marks a key given without a value: the parsers hand it to the rule, which
// refuses it, so such a key ends up in rejected_params instead of being
// silently dropped. kTrue is what a switch holds once set.
#ifndef OPTION_LIST_IGNORE_VALUE_H_
#define OPTION_LIST_IGNORE_VALUE_H_

#include <string>
#include <string_view>

namespace client_common::internal {

inline const std::string kIgnoreValue = "Ignore_this_value";
inline constexpr std::string_view kTrue = "True";

}  // namespace client_common::internal

#endif  // OPTION_LIST_IGNORE_VALUE_H_
