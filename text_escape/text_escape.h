// The one escape form for text that leaves us: what qarel-launch prints, the
// option report on standard output and every line of the core event log.
//
// A byte that is not printable text is written as "\x" and two lower-case hex
// digits; a backslash from outside is written as "\\", so a reader can undo
// the form exactly. Not printable text: invalid UTF-8, and every code point
// of unprintable_ranges.h, generated from the Unicode Character Database:
// the controls (C0 with CR, LF and TAB, DEL, C1), the format characters (the
// bidi and isolate controls, the zero-width characters, U+00AD, U+FEFF, the
// tag characters U+E0001 to U+E007F), the line and paragraph separators
// U+2028 and U+2029, and the Hangul fillers drawn as blanks. Such a code
// point is written as the \x of each of its bytes. Other UTF-8 stays as it
// is.
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

// Whether `text` is valid UTF-8: no stray, overlong or cut-short sequence,
// surrogate or code point past U+10FFFF.
bool is_utf8(std::string_view text);

// Appends `text` to `out` in the escape form.
void append_escaped(std::string& out, std::string_view text, Source source);

// `text` in the escape form.
std::string escaped(std::string_view text, Source source);

}  // namespace text_escape

#endif  // TEXT_ESCAPE_TEXT_ESCAPE_H_
