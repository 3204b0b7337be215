// Internal: the constant texts of the launch-argument code.
#ifndef CLIENT_COMMON_LAUNCH_CONSTANTS_H_
#define CLIENT_COMMON_LAUNCH_CONSTANTS_H_

#include <array>
#include <string>

// The value handed to option_list::set for a key given without one; the
// table refuses it.
extern const std::string IGNORE_VALUE;
// Between the query parameters of a launch URI.
extern const std::string separator;
// The reserved characters of RFC 3986 (gen-delims, then sub-delims); a raw
// launch-URI value holding one is malformed.
constexpr char kDelimiters[] = ":/?#[]@!$&'()*+,;=";
extern const std::string delimiters;

// A set of bytes as a lookup table, for scans that run at every launch.
class ByteSet {
 public:
  constexpr explicit ByteSet(const char* chars) {
    for (; *chars != '\0'; ++chars)
      in_[static_cast<unsigned char>(*chars)] = true;
  }
  constexpr bool contains(char c) const {
    return in_[static_cast<unsigned char>(c)];
  }
  bool any_in(const std::string& s) const {
    for (char c : s)
      if (contains(c)) return true;
    return false;
  }

 private:
  std::array<bool, 256> in_{};
};

#endif  // CLIENT_COMMON_LAUNCH_CONSTANTS_H_
