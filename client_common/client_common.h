/// \file
/// Launch arguments: command-line tokens and launch URIs of the scheme
/// "quorvane-qarel:" parsed into an option table, the composition of such
/// URIs, percent coding and small string utilities.
#ifndef CLIENT_COMMON_CLIENT_COMMON_H_
#define CLIENT_COMMON_CLIENT_COMMON_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "client_common/argument_events.h"
#include "client_common/export.h"
#include "option_list/option_list.h"

/// The fixed texts of a launch URI, for clients that build or read one.
/// Constants of this header only: nothing here is exported.
namespace client_common {
/// The scheme, which arg_to_params matches in any letter case.
inline constexpr std::string_view kLaunchUriScheme = "quorvane-qarel:";
/// What follows the scheme; parse_uri ignores a URI without it.
inline constexpr std::string_view kLaunchUriMarker = "//";
/// Between query parameters.
inline constexpr std::string_view kLaunchUriSeparator = "&";
/// RFC 3986's reserved characters (gen-delims, then sub-delims): a raw
/// parameter value holding one makes the launch URI malformed.
inline constexpr std::string_view kLaunchUriReserved = ":/?#[]@!$&'()*+,;=";
}  // namespace client_common

/// Parses one token into `opts`: "--key=value" (any number of dashes, or
/// none), "key value" across two calls, "-k3" (short key, one digit), or a
/// bare switch. Values are percent-decoded. A key that waits for its value
/// is process-wide state, kept across calls and vectors, so parsing runs on
/// one thread at a time. Refused keys end up in opts.rejected_params.
/// \param token a command-line token, or a launch-URI query parameter
/// \param opts the option table it assigns
/// \param from_uri true for a launch-URI query parameter: nothing is
///   stripped or awaited
/// \return for a launch-URI parameter, whether it is malformed: a reserved
///   character in its raw value, or a malformed key; false for every
///   command-line token
CLIENT_COMMON_API bool parseArg(const std::string& token, option_list& opts,
                                bool from_uri);

/// Parses every element in order: launch URIs (the scheme in any letter
/// case) through parse_uri, everything else through parseArg.
/// \param args the launch arguments, the first one included
/// \param opts the option table they assign
/// \return true when some launch URI was malformed
CLIENT_COMMON_API bool arg_to_params(const std::vector<std::string>& args,
                                     option_list& opts);

/// Parses "quorvane-qarel://host:port?key=value&switch&...": sets "port"
/// (when the authority has a ":") and then "address" from the URI, and each
/// "&"-separated parameter through parseArg.
/// \param uri a launch URI whose first 15 characters the caller has matched
/// \param opts the option table it assigns
/// \return true when malformed: an empty host, a space or tab in a
///   parameter, or a malformed parameter; false for a URI without "//",
///   which stores nothing
CLIENT_COMMON_API bool parse_uri(const std::string& uri, option_list& opts);

/// Resolves a host name with the system's resolver.
/// \param host the name or numeric address
/// \param ipv4 receives the last IPv4 address found, as text
/// \param ipv6 receives the last IPv6 address found, as text
/// \param error receives the resolver's message on failure, empty on success
/// \return 0 on success; -500 on failure, the addresses then left as they
///   were
CLIENT_COMMON_API int get_ip_addr(const std::string& host, std::string& ipv4,
                                  std::string& ipv6, std::string& error);

/// Writes the launch arguments for a client: the quoted launch URI, and,
/// when `connect_tag` is not empty, a second quoted token
/// "connect-tag=<tag>". Host, port and log level are written as given, so a
/// host holding ":", "/" or "?" does not read back as written; the other
/// values are percent-encoded.
/// \param host the URI's host, or empty
/// \param port the URI's port, after ":", or empty for none
/// \param sni "sni=" and the value, or empty for none
/// \param connect_tag the connect tag, or empty for no second token
/// \param session_id "session-id=" and the value, or empty for none
/// \param windowed false to add "full-screen"
/// \param use_smartcard true to add "use-smartcard"
/// \param disable_usb true to add "disable-usb"
/// \param usb_auto_forward true to add "usb-auto-forward"
/// \param locale "locale=" and the value, or empty for none
/// \param logfile "logfile=" and the value, or empty for none
/// \param log_level "log-level=" and the value, or empty for none
/// \return one or two double-quoted arguments as command-line text
CLIENT_COMMON_API std::string cl_params_formatter(
    const std::string& host, const std::string& port, const std::string& sni,
    const std::string& connect_tag, const std::string& session_id,
    bool windowed, bool use_smartcard, bool disable_usb, bool usb_auto_forward,
    const std::string& locale, const std::string& logfile,
    const std::string& log_level);

/// Percent-encodes a text: copies the RFC 3986 unreserved bytes (letters,
/// digits, "-._~") and writes every other byte as "%" and two lower-case
/// hex digits: "a b/" gives "a%20b%2f".
/// \param s the text
/// \return its encoding
CLIENT_COMMON_API std::string percent_encode(const std::string& s);

/// Percent-decodes a text: replaces every valid escape ("%" and two hex
/// digits) by its byte; a malformed escape is copied as it stands, and an
/// escape of zero contributes nothing. "+" stays "+", and "%2541" gives
/// "%41" (read once).
/// \param s the text
/// \return its decoding
CLIENT_COMMON_API std::string percent_decode(const std::string& s);

/// \param s the text searched
/// \param pos where the search starts
/// \param chars the bytes searched for
/// \return the smallest position at or after `pos` whose byte is in
///   `chars`, or the length of `s` when there is none
CLIENT_COMMON_API std::size_t str_find_firstof(const std::string& s,
                                               std::size_t pos,
                                               const std::string& chars);

/// From `pos`, skips the run of each byte of `chars` in turn, in the order
/// of `chars`: "baab" from 0 with "ab" gives 1.
/// \param s the text
/// \param pos where the skipping starts
/// \param chars the bytes whose runs are skipped, one after the other
/// \return the position where it stopped; `pos` itself when at or past the
///   end
CLIENT_COMMON_API std::size_t str_trim_first(const std::string& s,
                                             std::size_t pos,
                                             const std::string& chars);

/// \param a a text
/// \param b another
/// \return true when `a` and `b` are equal ignoring case: the same length,
///   and equal with each byte upper-cased by toupper (in the "C" locale,
///   the ASCII letters); true for two empty texts
CLIENT_COMMON_API bool case_comp(const std::string& a, const std::string& b);

/// \param s a text
/// \return true when every byte is a hex digit; true for the empty text
CLIENT_COMMON_API bool is_hex(const std::string& s);

#endif  // CLIENT_COMMON_CLIENT_COMMON_H_
