// Lets GoogleTest print boost::optional in failures and PrintToString.
#ifndef TESTS_SUPPORT_OPTIONAL_PRINTER_H_
#define TESTS_SUPPORT_OPTIONAL_PRINTER_H_

#include <gtest/gtest.h>

#include <boost/optional.hpp>

namespace boost {
template <typename T>
void PrintTo(const optional<T>& value, std::ostream* os) {
  *os << (value ? ::testing::PrintToString(*value) : "none");
}
}  // namespace boost

#endif  // TESTS_SUPPORT_OPTIONAL_PRINTER_H_
