/// \file
/// The table of program options that a client executable owns: registration,
/// key matching, assignment, typed reads and printed reports. All values are
/// text; types exist only in how the getters read them.
#ifndef OPTION_LIST_OPTION_LIST_H_
#define OPTION_LIST_OPTION_LIST_H_

#include <boost/optional.hpp>
#include <list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "client_common/export.h"

/// The fixed texts of the option table, for clients that read it.
/// Constants of this header only: nothing here is exported.
namespace client_common {
/// How a rejection record in option_list::rejected_params starts, for a
/// command-line assignment: then the key, "'" and a blank.
inline constexpr std::string_view kRejectedFromCommandLine = "CL_param:'";
/// The same, for an assignment from a launch URI.
inline constexpr std::string_view kRejectedFromLaunchUri = "URI_opt:'";
/// What ends a rejection record, after the key.
inline constexpr std::string_view kRejectionEnd = "' ";
/// What the reports, and the shown key of an event, print for the value of
/// an option registered as masked.
inline constexpr char kMaskedValue[] = "********";
}  // namespace client_common

/// The table of program options. Keys match ignoring letter case, and every
/// lookup takes the first record that matches, in registration order: the
/// short or the long key for assignments and key tests, the long key only
/// for reads. Used by the one thread that owns it.
class CLIENT_COMMON_API option_list {
 public:
  /// One option's record.
  struct option {
    std::string
        short_key;  ///< may be empty; reports show "-" and its first byte
    std::string long_key;     ///< the key the getters find it by
    bool is_bool;             ///< a switch: set_true accepts only these
    std::string description;  ///< help text, the reports' last column
    std::string value;        ///< the current value; the default until assigned
    std::string default_value;  ///< as registered, never changed
    bool show_value;    ///< false: reports print "********" for the value
    bool deprecated;    ///< assignments warn; the defaults report says so
    bool is_set;        ///< true from the first successful assignment on
    bool uri_settable;  ///< a launch URI may assign it
  };

  /// The refused assignments, each appended as "CL_param:'<key>' " or
  /// "URI_opt:'<key>' " (from a launch URI), the key as the caller gave it.
  std::string rejected_params;
  /// The records, in registration order.
  std::list<option> options;

  /// Appends a record. Duplicate or malformed keys are registered all the
  /// same; a later duplicate is shadowed by the first. Note the order of the
  /// arguments: the default comes before the description.
  /// \param short_key the short key, or empty
  /// \param long_key the long key
  /// \param is_bool whether the option is a switch
  /// \param default_value the value before any assignment
  /// \param description the help text
  /// \param show_value false to mask the value in reports
  /// \param deprecated whether assigning the option warns
  /// \param uri_settable whether a launch URI may assign it
  void add(std::string short_key, std::string long_key, bool is_bool,
           std::string default_value, std::string description, bool show_value,
           bool deprecated, bool uri_settable);

  /// \param key a key
  /// \return true when `key` is malformed: empty, not starting with an ASCII
  ///   letter, or holding anything but ASCII letters, digits, "_" and "-"
  bool bad_key_format(std::string key);
  /// \param a a text
  /// \param b another
  /// \return true when `a` and `b` are equal ignoring case: the same length,
  ///   and equal with each byte upper-cased by toupper (in the "C" locale,
  ///   the ASCII letters)
  bool case_comp(std::string a, std::string b);
  /// \param c points to the character to test
  /// \return true for A to Z and a to z
  bool is_alpha(const char* c);
  /// \param c points to the character to test
  /// \return true for 0 to 9, and also for "_" and "-": what a key admits
  ///   after its first letter, letters aside
  bool is_num(const char* c);
  /// \param key a key
  /// \return true when `key` is well formed and some record has it as its
  ///   short or long key
  bool is_a_key(std::string key);
  /// \param key a long key
  /// \return the value of the first record with this long key, or "Invalid"
  ///   when there is none
  std::string get(std::string key);

  /// Assigns `value` to the first record matching `key` (short or long key)
  /// that may be assigned from the assignment's origin, and marks it set. A
  /// malformed key, the value "Ignore_this_value" and a key that no such
  /// record has are refused: then a rejection record is appended to
  /// rejected_params. Assigning a deprecated option with `warn_deprecated`
  /// logs and prints "Deprecated Parameter '<long key>' (<short key>) used".
  /// \param key the short or long key, as the caller writes it
  /// \param value the new value, stored as given, also into a switch
  /// \param from_uri true for an assignment from a launch URI, which reaches
  ///   only the records registered as URI-settable
  /// \param warn_deprecated whether assigning a deprecated option warns
  /// \return true when a record was assigned, false when refused
  bool set(std::string key, std::string value, bool from_uri,
           bool warn_deprecated);
  /// Assigns "True" as set does, but only when the first record matching
  /// `key` is a switch; the key's format is not tested.
  /// \param key the short or long key
  /// \param from_uri true for an assignment from a launch URI
  /// \param warn_deprecated whether assigning a deprecated option warns
  /// \return true when a record was assigned, false when refused
  bool set_true(std::string key, bool from_uri, bool warn_deprecated);
  /// \param key the short or long key
  /// \return the is_bool flag of the first record matching `key`; false when
  ///   none does
  bool is_boolean(std::string key);

  /// Reads an option's text. A key that no record has reads as "Invalid".
  /// \param key the long key
  /// \param only_if_set true to read a record never assigned as no value
  /// \return the text, or an empty optional for a record never assigned
  ///   when `only_if_set`
  boost::optional<std::string> get_str_val(std::string key, bool only_if_set);
  /// \param key the long key
  /// \param only_if_set as for get_str_val
  /// \return whether the text is exactly "True"; empty when get_str_val is
  boost::optional<bool> get_bool_val(std::string key, bool only_if_set);
  /// \param key the long key
  /// \param only_if_set as for get_str_val
  /// \return str_to_int of the text; empty when get_str_val is
  boost::optional<int> get_int_val(std::string key, bool only_if_set);
  /// \param key the long key
  /// \return whether the text is exactly "True"
  bool get_bool(std::string key);
  /// \param key the long key
  /// \return the decimal value of the text, or 0 when it has none
  int get_int(std::string key);
  /// \param key the long key
  /// \param min the smallest value accepted
  /// \param max the largest value accepted
  /// \return true when the option holds a decimal integer from `min` to
  ///   `max`; a zero counts only when written as the single digit "0"
  bool option_is_int(std::string key, int min, int max);

  /// Reads two decimal numbers joined by a lower-case "x", as in "640x480".
  /// \param key the long key
  /// \param only_if_set as for get_str_val
  /// \return the pair, or empty when the text is anything else
  boost::optional<std::pair<int, int>> get_int_pair(std::string key,
                                                    bool only_if_set);
  /// Reads a list of hexadecimal pairs such as "1:2,a:ff" (pair separators
  /// ":", item separators ","). Items that are not exactly two parts are
  /// skipped; two parts that are not both hexadecimal numbers are logged as
  /// discarded and skipped.
  /// \param key the long key
  /// \param pair_separators the bytes that split an item in two; null counts
  ///   as none
  /// \param item_separators the bytes that end an item; null counts as none
  /// \param only_if_set as for get_str_val
  /// \return the pairs read, in order; always engaged, empty when none is
  boost::optional<std::vector<std::pair<int, int>>> get_hex_int_pair_vector(
      std::string key, const char* pair_separators, const char* item_separators,
      bool only_if_set);
  /// Reads "log-level" as a keyword (critical, error, info, debug, in any
  /// letter case) or a number from 0 to 5.
  /// \param level receives the core level (0 critical to 3 debug, or 4 or 5);
  ///   left as it was when none is read
  /// \return true when a level was read and stored
  bool get_log_level(boost::optional<int>& level);

  /// Lists the options with their current values, a masked one as
  /// "********", under a heading of "Short", "Long Key", "Value" and
  /// "Description".
  /// \param only_if_set true to list only the options assigned
  /// \param to_log write the list to the event log
  /// \param to_stdout write it to standard output
  void log_options(bool only_if_set, bool to_log, bool to_stdout);
  /// Lists every option with its default under "Program options are:",
  /// "DEPRECATED" for the description of a deprecated one.
  /// \param to_log write the list to the event log
  /// \param to_stdout write it to standard output
  void log_defaults(bool to_log, bool to_stdout);
};

/// Reads the decimal number that the whole text spells: digits only, no
/// sign or blanks; "007" gives 7. A value beyond an int keeps its low 32
/// bits.
/// \param text the text
/// \return the number, or empty for anything else and for an overflow of a
///   64-bit long
CLIENT_COMMON_API boost::optional<int> str_to_int(std::string text);

/// Reads the hexadecimal number that the whole text spells, with an optional
/// 0x prefix: "ff", "FF" and "0xff" give 255. Values keep their low 32 bits.
/// \param text the text
/// \return the number, or empty for a sign, blanks, trailing characters and
///   the value 0x7FFF
CLIENT_COMMON_API boost::optional<int> hex_str_to_int(std::string text);

#endif  // OPTION_LIST_OPTION_LIST_H_
