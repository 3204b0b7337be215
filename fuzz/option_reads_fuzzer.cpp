// The typed and pair reads over any option text. Input lines: pair
// separators, item separators, then the text (newlines and all).
#include "fuzz/fuzz_support.h"
#include "option_list/option_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> in = CutLines(data, size, 3);
  const std::string& text = in[2];

  option_list t;
  t.add("l", "log-level", false, "info", "", true, false, true);
  t.options.front().value = text;

  const auto number = str_to_int(text);
  Check(!number || (text[0] >= '0' && text[0] <= '9'));
  hex_str_to_int(text);
  t.get_bool("log-level");
  const bool in_range = t.option_is_int("log-level", 0, 5);
  Check(in_range == (number && *number >= 0 && *number <= 5 &&
                     (*number != 0 || text == "0")));
  Check(t.get_int("log-level") == number.value_or(0));
  t.get_int_pair("log-level", false);
  Check(t.get_hex_int_pair_vector("log-level", in[0].c_str(), in[1].c_str(),
                                  false)
            .has_value());
  boost::optional<int> level = 42;
  const bool found = t.get_log_level(level);
  Check(found ? *level >= 0 && *level <= 5 : *level == 42);
  return 0;
}
