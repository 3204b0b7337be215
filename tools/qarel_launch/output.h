// The one way out of qarel-launch: every line it prints goes through say(),
// and every text that came from outside (a link, a table file, a path) is
// first made printable by shown(). The escape form, which a reader can undo:
// a byte that is not printable text is written as "\x" and two lower-case
// hex digits, and a backslash from outside as "\\". Not printable text: C0
// controls, DEL, C1 controls (raw bytes 0x80 to 0x9f, or U+0080 to U+009F),
// invalid UTF-8, and the bidi and isolate controls (U+061C, U+200E, U+200F,
// U+202A to U+202E, U+2066 to U+2069). Printable UTF-8 stays as it is.
#ifndef TOOLS_QAREL_LAUNCH_OUTPUT_H_
#define TOOLS_QAREL_LAUNCH_OUTPUT_H_

#include <cstdio>
#include <string>
#include <string_view>

// `text` from outside, escaped: its line breaks and backslashes too.
std::string shown(std::string_view text);

#if defined(__GNUC__) || defined(__clang__)
#define QAREL_LAUNCH_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define QAREL_LAUNCH_PRINTF(f, a)
#endif

// Writes the printf-style text on `stream`. Whatever is not printable text
// but the tool's own line breaks is escaped on the way, so a fragment that
// missed shown() still cannot act on a terminal.
void say(std::FILE* stream, const char* format, ...) QAREL_LAUNCH_PRINTF(2, 3);
// The same for text composed already, of any length.
void say(std::FILE* stream, std::string_view text);

// Called first: a standard stream that is closed is opened on /dev/null, so
// that no file the tool opens takes descriptor 0, 1 or 2, and is remembered
// as unusable.
void claim_standard_streams();

// `status`, or kExitOutput when standard output or standard error was
// closed or a write to it failed; then one line says so on standard error
// if that still works.
int finished(int status);

#endif  // TOOLS_QAREL_LAUNCH_OUTPUT_H_
