// qarel-launch check over any bytes: the input read from a pipe, as from
// standard input, one launch per line, each read with its events told and
// written as check --json writes it. The self-check must hold, the lines
// must be those of the input, and each must be one valid JSON document of
// printable text with no escape of JSON's own: every byte from outside was
// escaped first, so `jq -r` cannot put a control byte on a terminal.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "fuzz/fuzz_support.h"
#include "tools/qarel_launch/check_lines.h"
#include "tools/qarel_launch/explain.h"
#include "tools/qarel_launch/json_output.h"
#include "tools/qarel_launch/standard_options.h"

namespace {
// Whether no text in `json` holds a control byte.
bool Printable(const nlohmann::json& json) {
  if (json.is_structured())
    return std::all_of(json.begin(), json.end(), Printable);
  if (!json.is_string()) return true;
  const auto& text = json.get_ref<const std::string&>();
  return std::none_of(text.begin(), text.end(),
                      [](char c) { return (c >= 0 && c < 0x20) || c == 0x7f; });
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int ends[2];
  // A pipe holds 64 KiB: longer inputs are for another target.
  if (size > 65536 || pipe(ends) != 0) return 0;
  Check(write(ends[1], data, size) == static_cast<ssize_t>(size),
        "the input fits in the pipe");
  close(ends[1]);
  const std::vector<std::string> lines = CutLines(data, size);
  LineReader reader(ends[0]);
  std::string_view line;
  std::size_t read = 0;
  Args args;
  for (; reader.next(line) == LineReader::kLine; ++read) {
    std::string_view expected = lines[read];
    if (!expected.empty() && expected.back() == '\r') expected.remove_suffix(1);
    Check(line == expected, "each line is the input's, without its \\r");
    if (*unreadable_reason(line) != '\0') continue;
    option_list table = standard_options();
    line_arguments(line, args);
    const Reading reading = read_arguments(args, table, nullptr, true);
    Check(reading.agrees, "the events add up to the parse");
    std::string json;
    append_launch_json(json,
                       {reading, table, reading.notes, std::nullopt,
                        std::nullopt, launch_status(reading)},
                       read + 1, "accepted");
    const auto document = nlohmann::json::parse(json, nullptr, false);
    Check(!document.is_discarded(), "the JSON is valid");
    Check(std::none_of(json.begin(), json.end(),
                       [](char c) { return c >= 0 && c < 0x20; }),
          "the JSON holds no control byte");
    Check(Printable(document), "and no JSON escape of one");
  }
  close(ends[0]);
  Check(read == lines.size() - (lines.back().empty() ? 1 : 0),
        "every line is read");
  return 0;
}
