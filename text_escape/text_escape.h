// The one escape form for text that leaves us: what qarel-launch prints, the
// option report on standard output and every line of the core event log.
//
// A byte that is not printable text is written as "\x" and two lower-case hex
// digits; a backslash from outside is written as "\\", so a reader can undo
// the form exactly. Not printable text: C0 controls (CR, LF and TAB among
// them), DEL, C1 controls (raw bytes 0x80 to 0x9f, or U+0080 to U+009F),
// invalid UTF-8, the bidi and isolate controls (U+061C, U+200E, U+200F,
// U+202A to U+202E, U+2066 to U+2069) and the line and paragraph separators
// U+2028 and U+2029. Printable UTF-8 stays as it is.
#ifndef TEXT_ESCAPE_TEXT_ESCAPE_H_
#define TEXT_ESCAPE_TEXT_ESCAPE_H_

#include <string>
#include <string_view>

namespace text_escape {

// Whose text it is: from outside (a link, a table file, a path: its line
// breaks and backslashes are escaped too), or lines a writer composed itself
// around escaped fragments (its "\n" ends a line and stays).
enum class Source { kOutside, kOwnLines };

// Whether `text` leaves as it stands: printable ASCII only, plus "\n" for
// kOwnLines, and no backslash for kOutside. The fast path of every caller.
bool is_plain(std::string_view text, Source source);

// Appends `text` to `out` in the escape form.
void append_escaped(std::string& out, std::string_view text, Source source);

// `text` in the escape form.
std::string escaped(std::string_view text, Source source);

}  // namespace text_escape

#endif  // TEXT_ESCAPE_TEXT_ESCAPE_H_
