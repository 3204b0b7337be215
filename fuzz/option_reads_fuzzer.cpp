// The typed and pair reads over arbitrary option text and separators.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/fuzz_support.h"
#include "option_list/option_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string pair_separators = in.ConsumeRandomLengthString(4);
  const std::string item_separators = in.ConsumeRandomLengthString(4);
  const std::string text = in.ConsumeRemainingBytesAsString();

  option_list t;
  t.add("l", "log-level", false, "info", "", true, false, true);
  t.add("v", "value", false, "", "", true, false, true);
  t.options.front().value = text;
  t.options.back().value = text;

  const auto number = str_to_int(text);
  FUZZ_CHECK(!number || (text[0] >= '0' && text[0] <= '9'));
  hex_str_to_int(text);
  t.get_int("value");
  t.get_bool("value");
  const bool in_range = t.option_is_int("value", 0, 5);
  FUZZ_CHECK(!in_range || (number && *number >= 0 && *number <= 5));
  t.get_int_pair("value", false);
  const auto pairs = t.get_hex_int_pair_vector("value", pair_separators.c_str(),
                                               item_separators.c_str(), false);
  FUZZ_CHECK(pairs.has_value());

  boost::optional<int> level = 42;
  if (t.get_log_level(level)) {
    FUZZ_CHECK(level && *level >= 0 && *level <= 5);
  } else {
    FUZZ_CHECK(level && *level == 42);
  }
  return 0;
}
