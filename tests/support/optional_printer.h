// Lets GoogleTest print boost::optional of any printable type in failures.
#ifndef TESTS_SUPPORT_OPTIONAL_PRINTER_H_
#define TESTS_SUPPORT_OPTIONAL_PRINTER_H_

#include <gtest/gtest.h>

#include <boost/optional.hpp>
#include <ostream>

namespace boost {
template <typename T>
void PrintTo(const optional<T>& value, std::ostream* os) {
  if (value) {
    *os << ::testing::PrintToString(*value);
  } else {
    *os << "none";
  }
}
}  // namespace boost

#endif  // TESTS_SUPPORT_OPTIONAL_PRINTER_H_
