// The table of program options that a client executable owns: registration,
// key matching, assignment, typed reads and printed reports. All values are
// text; types exist only in how the getters read them.
#ifndef OPTION_LIST_OPTION_LIST_H_
#define OPTION_LIST_OPTION_LIST_H_

#include <boost/optional.hpp>
#include <list>
#include <string>
#include <utility>
#include <vector>

#include "client_common/export.h"

class CLIENT_COMMON_API option_list {
 public:
  // One option. `value` starts as `default_value`; `is_set` turns true at the
  // first successful assignment and stays true.
  struct option {
    std::string short_key;
    std::string long_key;
    bool is_bool;
    std::string description;
    std::string value;
    std::string default_value;
    bool show_value;  // false: reports print "********" for the value
    bool deprecated;  // assignments warn; the defaults report says so
    bool is_set;
    bool uri_settable;  // may be assigned from a launch URI
  };

  // Every refused assignment appends "CL_param:'<key>' " or "URI_opt:'<key>' ".
  std::string rejected_params;
  // Records in registration order; every lookup takes the first match.
  std::list<option> options;

  // Appends a record. Duplicate or malformed keys are registered all the same.
  // Note the argument order: the default comes before the description.
  void add(std::string short_key, std::string long_key, bool is_bool,
           std::string default_value, std::string description, bool show_value,
           bool deprecated, bool uri_settable);

  // True when `key` is malformed: empty, not starting with an ASCII letter, or
  // holding anything but ASCII letters, digits, "_" and "-".
  bool bad_key_format(std::string key);
  // True when `a` and `b` are equal ignoring case.
  bool case_comp(std::string a, std::string b);
  // A to Z, a to z.
  bool is_alpha(const char* c);
  // 0 to 9, and also "_" and "-": what a key admits after its first letter.
  bool is_num(const char* c);
  // True when `key` is well formed and some record has it as its short or long
  // key, ignoring case.
  bool is_a_key(std::string key);
  // The value of the first record with this long key (ignoring case), or
  // "Invalid" when there is none.
  std::string get(std::string key);

  // Assigns `value` to the first record matching `key` (short or long,
  // ignoring case) and, when `from_uri`, registered as URI-settable. Refuses a
  // malformed key, the value "Ignore_this_value" and a key no such record has:
  // then appends "CL_param:'<key>' " (or "URI_opt:'<key>' ") to
  // rejected_params and returns false. With `warn_deprecated`, assigning a
  // deprecated option logs and prints a warning.
  bool set(std::string key, std::string value, bool from_uri,
           bool warn_deprecated);
  // Assigns "True" as set does, but only when the first record matching `key`
  // is a switch; no key-format or value test.
  bool set_true(std::string key, bool from_uri, bool warn_deprecated);
  // The is_bool flag of the first record matching `key`; false for none.
  bool is_boolean(std::string key);

  // Typed reads, by long key. A key no record has reads as the text "Invalid".
  // With `only_if_set`, a record never assigned gives an empty optional.
  boost::optional<std::string> get_str_val(std::string key, bool only_if_set);
  // Whether the text is exactly "True".
  boost::optional<bool> get_bool_val(std::string key, bool only_if_set);
  // str_to_int of the text.
  boost::optional<int> get_int_val(std::string key, bool only_if_set);
  bool get_bool(std::string key);
  // The decimal value, or 0 when there is none.
  int get_int(std::string key);
  // True when the option holds a decimal integer from `min` to `max`; a zero
  // counts only when written as the single digit "0".
  bool option_is_int(std::string key, int min, int max);

  // Two decimal numbers joined by a lower-case "x", as in "640x480"; empty
  // when the text is anything else.
  boost::optional<std::pair<int, int>> get_int_pair(std::string key,
                                                    bool only_if_set);
  // A list of hexadecimal pairs such as "1:2,a:ff" (pair separators ":",
  // item separators ","). Always engaged; items that are not exactly two
  // parts are skipped, and two parts that are not both hexadecimal numbers
  // are logged as discarded. Null separator sets count as empty.
  boost::optional<std::vector<std::pair<int, int>>> get_hex_int_pair_vector(
      std::string key, const char* pair_separators, const char* item_separators,
      bool only_if_set);
  // Reads "log-level" as a keyword (critical, error, info, debug, any case)
  // or a number from 0 to 5, stores the core level in `level` and returns
  // true; returns false and leaves `level` as it was otherwise.
  bool get_log_level(boost::optional<int>& level);

  // Lists the options (all, or only those assigned) with their current values,
  // masking those registered with show_value false, to the event log, to
  // standard output, or both.
  void log_options(bool only_if_set, bool to_log, bool to_stdout);
  // Lists every option with its default under "Program options are:",
  // marking deprecated ones.
  void log_defaults(bool to_log, bool to_stdout);
};

// The decimal number that the whole text spells: digits only, no sign or
// blanks. Empty when the text is anything else or overflows a 64-bit long;
// larger values keep their low 32 bits. "007" gives 7.
CLIENT_COMMON_API boost::optional<int> str_to_int(std::string text);

// The hexadecimal number that the whole text spells, with an optional 0x
// prefix: "ff", "FF" and "0xff" give 255. Empty for a sign, blanks, trailing
// characters and the value 0x7FFF; values keep their low 32 bits.
CLIENT_COMMON_API boost::optional<int> hex_str_to_int(std::string text);

#endif  // OPTION_LIST_OPTION_LIST_H_
