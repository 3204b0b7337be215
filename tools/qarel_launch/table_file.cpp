#include "table_file.h"

#include <boost/algorithm/string/join.hpp>
#include <boost/algorithm/string/split.hpp>
#include <fstream>
#include <vector>

namespace {
constexpr char kFields[] = "short|long|kind|default|flags|description";
constexpr std::size_t kFieldCount = 6;

struct Flags {
  bool uri = false, masked = false, deprecated = false;
};

// The flags field, or the first word that is not a flag.
bool read_flags(const std::string& text, Flags& flags, std::string& bad) {
  if (text == "-") return true;
  std::vector<std::string> words;
  boost::algorithm::split(words, text, [](char c) { return c == ','; });
  for (const std::string& word : words) {
    if (word == "uri") {
      flags.uri = true;
    } else if (word == "masked") {
      flags.masked = true;
    } else if (word == "deprecated") {
      flags.deprecated = true;
    } else {
      bad = word;
      return false;
    }
  }
  return true;
}

// One option line into `table`, or what is wrong with it.
std::string read_line(const std::string& line, option_list& table) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (fields.size() + 1 < kFieldCount) {
    const std::size_t bar = line.find('|', start);
    if (bar == std::string::npos) break;
    fields.push_back(line.substr(start, bar - start));
    start = bar + 1;
  }
  fields.push_back(line.substr(start));
  if (fields.size() != kFieldCount) {
    return "expected " + std::to_string(kFieldCount) +
           " fields separated by \"|\" (" + kFields + "), found " +
           std::to_string(fields.size());
  }
  const std::string& kind = fields[2];
  if (kind != "switch" && kind != "valued")
    return "the kind is \"" + kind + "\", not \"switch\" or \"valued\"";
  if (fields[1].empty()) return "the long key is empty";
  Flags flags;
  std::string bad;
  if (!read_flags(fields[4], flags, bad)) {
    return "unknown flag \"" + bad +
           "\" (flags are \"-\" or a list of uri, masked, deprecated)";
  }
  table.add(fields[0], fields[1], kind == "switch", fields[3], fields[5],
            !flags.masked, flags.deprecated, flags.uri);
  return "";
}
}  // namespace

bool read_table_file(const std::string& path, option_list& table,
                     std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = path + ": cannot be read";
    return false;
  }
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string wrong = read_line(line, table);
    if (!wrong.empty()) {
      error = path + ":" + std::to_string(number) + ": " + wrong;
      return false;
    }
  }
  return true;
}

void write_table(const option_list& table, std::FILE* out) {
  std::fprintf(out, "# %s\n", kFields);
  for (const option_list::option& o : table.options) {
    std::vector<std::string> flags;
    if (o.uri_settable) flags.push_back("uri");
    if (!o.show_value) flags.push_back("masked");
    if (o.deprecated) flags.push_back("deprecated");
    std::fprintf(
        out, "%s|%s|%s|%s|%s|%s\n", o.short_key.c_str(), o.long_key.c_str(),
        o.is_bool ? "switch" : "valued", o.default_value.c_str(),
        flags.empty() ? "-" : boost::algorithm::join(flags, ",").c_str(),
        o.description.c_str());
  }
}
