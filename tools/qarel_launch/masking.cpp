#include "masking.h"

#include <client_common/client_common.h>

#include <algorithm>

#include "launch_uri.h"

bool is_masked_key(const option_list& table, const std::string& key) {
  return std::any_of(table.options.begin(), table.options.end(),
                     [&](const option_list::option& o) {
                       return !o.show_value && (case_comp(o.short_key, key) ||
                                                case_comp(o.long_key, key));
                     });
}

std::string shown_assignment(const option_list& table,
                             const std::string& text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) return text;
  const std::size_t key = std::min(text.find_first_not_of('-'), equals);
  if (!is_masked_key(table, text.substr(key, equals - key))) return text;
  return text.substr(0, equals + 1) + kMask;
}

std::string shown_authority(const option_list& table, const std::string& text) {
  const std::size_t colon = text.find(':');
  const std::string host = text.substr(0, colon);
  std::string shown =
      host.empty() || !is_masked_key(table, "address") ? host : kMask;
  if (colon != std::string::npos) {
    const std::string port = text.substr(colon + 1);
    shown += ':';
    shown += port.empty() || !is_masked_key(table, "port") ? port : kMask;
  }
  return shown;
}

std::string shown_uri(const option_list& table, const std::string& uri) {
  const UriLayout l = layout(uri);
  std::string shown =
      uri.substr(0, l.authority_begin) +
      shown_authority(table, uri.substr(l.authority_begin,
                                        l.authority_end - l.authority_begin));
  std::size_t at = l.authority_end;
  for (const auto& [begin, end] : l.parameters) {
    shown.append(uri, at, begin - at);
    shown += shown_assignment(table, uri.substr(begin, end - begin));
    at = end;
  }
  shown.append(uri, at, std::string::npos);
  return shown;
}

std::string shown_value(const option_list::option& record) {
  if (record.is_bool && record.value == "True") return "to True";
  return record.show_value ? "= \"" + record.value + "\""
                           : "= " + std::string(kMask);
}
