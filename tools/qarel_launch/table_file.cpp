#include "table_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <boost/algorithm/string/join.hpp>
#include <boost/algorithm/string/split.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>
#include <vector>

#include "commands.h"
#include "masking.h"
#include "output.h"

namespace {
constexpr char kFields[] = "short|long|kind|default|flags|description";
constexpr std::size_t kFieldCount = 6;
constexpr std::uintmax_t kMaxBytes = 1 << 20;
constexpr char kTooLarge[] =
    "larger than 1 MiB; a table holds one line per option";

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

// A key as the library matches it: ASCII letters in either case are equal.
std::string folded(std::string key) {
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key;
}

// What is wrong with the keys and default of one option, or "". `keys`
// holds the keys of the lines before, with their line numbers.
std::string check_option(option_list& table, const std::vector<std::string>& f,
                         const std::map<std::string, int>& keys) {
  const std::string& short_key = f[0];
  const std::string& long_key = f[1];
  if (!short_key.empty() && short_key.size() != 1) {
    return "the short key \"" + shown(short_key) +
           "\" is longer than one letter; reports and -k3 use one";
  }
  if (!short_key.empty() && table.bad_key_format(short_key))
    return "the short key \"" + shown(short_key) + "\" is not a letter";
  if (table.bad_key_format(long_key)) {
    return "the long key \"" + shown(long_key) +
           "\" is malformed: a letter, then letters, digits, \"_\" or \"-\"";
  }
  for (const std::string& key : {short_key, long_key}) {
    const auto earlier = keys.find(folded(key));
    if (!key.empty() && earlier != keys.end()) {
      return "the key \"" + shown(key) + "\" is a key of line " +
             std::to_string(earlier->second) + " already";
    }
  }
  if (f[2] == "switch" && !f[3].empty() && f[3] != "True" && f[3] != "False")
    return "a switch's default is empty, True or False";
  return "";
}

// One option line into `table`, or what is wrong with it.
std::string read_line(const std::string& line, option_list& table,
                      std::map<std::string, int>& keys, int number) {
  if (line.find('\0') != std::string::npos) return "holds a NUL byte";
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
    return "the kind is \"" + shown(kind) + "\", not \"switch\" or \"valued\"";
  const std::string wrong = check_option(table, fields, keys);
  if (!wrong.empty()) return wrong;
  Flags flags;
  std::string bad;
  if (!read_flags(fields[4], flags, bad)) {
    return "unknown flag \"" + shown(bad) +
           "\" (flags are \"-\" or a list of uri, masked, deprecated)";
  }
  for (const std::string& key : {fields[0], fields[1]})
    if (!key.empty()) keys.emplace(folded(key), number);
  table.add(fields[0], fields[1], kind == "switch", fields[3], fields[5],
            !flags.masked, flags.deprecated, flags.uri);
  return "";
}

// The text of the file at `path`, or why it cannot be a table file. The
// file is opened without blocking (a FIFO with no writer would stop us)
// and everything is checked on the descriptor that is then read, so a file
// swapped after a check is never what is read.
std::string read_file(const std::string& path, std::string& text) {
  const int fd =
      open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return std::strerror(errno);
  struct stat st {};
  std::string wrong;
  if (fstat(fd, &st) != 0) {
    wrong = std::strerror(errno);
  } else if (S_ISDIR(st.st_mode)) {
    wrong = "a folder, not a table file";
  } else if (!S_ISREG(st.st_mode)) {
    wrong = "not a regular file";
  } else if (static_cast<std::uintmax_t>(st.st_size) > kMaxBytes) {
    wrong = kTooLarge;
  }
  std::FILE* file = wrong.empty() ? fdopen(fd, "rb") : nullptr;
  if (file == nullptr) {
    if (wrong.empty()) wrong = std::strerror(errno);
    close(fd);
    return wrong;
  }
  text.resize(kMaxBytes + 1);  // a byte past the limit: it grew since
  text.resize(std::fread(text.data(), 1, text.size(), file));
  if (std::ferror(file)) wrong = std::strerror(errno);
  if (text.size() > kMaxBytes) wrong = kTooLarge;
  std::fclose(file);  // and with it the descriptor
  return wrong;
}

// The options of the file at `path` into `table`, or what is wrong: the
// file, or each line that breaks a rule, so that one run lists them all.
std::vector<std::string> read_table_file(const std::string& path,
                                         option_list& table) {
  std::string text;
  const std::string wrong = read_file(path, text);
  if (!wrong.empty()) return {shown(path) + ": " + wrong};
  std::istringstream in(text);
  std::vector<std::string> errors;
  std::map<std::string, int> keys;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string wrong_line = read_line(line, table, keys, number);
    if (!wrong_line.empty())
      errors.push_back(shown(path) + ":" + std::to_string(number) + ": " +
                       wrong_line);
  }
  if (errors.empty() && table.options.empty())
    errors.push_back(shown(path) + ": holds no options");
  return errors;
}
}  // namespace

bool load_table_file(const std::string& path, option_list& table) {
  table = option_list();
  const std::vector<std::string> errors = read_table_file(path, table);
  for (const std::string& error : errors)
    say(stderr, "%s: %s\n", kName, error.c_str());
  return errors.empty();
}

void write_table(const option_list& table, std::FILE* out) {
  say(out, "# %s\n", kFields);
  for (const option_list::option& o : masked_table(table).options) {
    std::vector<std::string> flags;
    if (o.uri_settable) flags.push_back("uri");
    if (!o.show_value) flags.push_back("masked");
    if (o.deprecated) flags.push_back("deprecated");
    say(out, "%s|%s|%s|%s|%s|%s\n", shown(o.short_key).c_str(),
        shown(o.long_key).c_str(), o.is_bool ? "switch" : "valued",
        shown(o.default_value).c_str(),
        flags.empty() ? "-" : boost::algorithm::join(flags, ",").c_str(),
        shown(o.description).c_str());
  }
}
