// Reads of option text as a pair of decimal numbers or a list of hexadecimal
// pairs.
#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>

#include "logging/logging.h"
#include "option_list/option_list.h"

boost::optional<std::pair<int, int>> option_list::get_int_pair(
    std::string key, bool only_if_set) {
  const auto text = get_str_val(std::move(key), only_if_set);
  if (!text) return boost::none;
  const auto x = text->find('x');
  if (x == std::string::npos) return boost::none;
  const auto first = str_to_int(text->substr(0, x));
  const auto second = str_to_int(text->substr(x + 1));
  if (!first || !second) return boost::none;
  return std::make_pair(*first, *second);
}

boost::optional<std::vector<std::pair<int, int>>>
option_list::get_hex_int_pair_vector(std::string key,
                                     const char* pair_separators,
                                     const char* item_separators,
                                     bool only_if_set) {
  std::vector<std::pair<int, int>> pairs;
  const auto text = get_str_val(std::move(key), only_if_set);
  if (!text) return pairs;

  // Adjacent separators are not compressed: each one ends an item.
  std::vector<std::string> items;
  boost::algorithm::split(
      items, *text,
      boost::is_any_of(item_separators != nullptr ? item_separators : ""),
      boost::token_compress_off);
  const auto is_pair_separator =
      boost::is_any_of(pair_separators != nullptr ? pair_separators : "");
  std::vector<std::string> parts;
  for (const std::string& item : items) {
    boost::algorithm::split(parts, item, is_pair_separator,
                            boost::token_compress_off);
    if (parts.size() != 2) continue;
    const auto first = hex_str_to_int(parts[0]);
    const auto second = hex_str_to_int(parts[1]);
    if (first && second) {
      pairs.emplace_back(*first, *second);
    } else {
      log(LEVEL_ERROR,
          "get_hex_int_pair_vector: discarding pair " + parts[0] + "," +
              parts[1],
          -501);
    }
  }
  return pairs;
}
