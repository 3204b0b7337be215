// The one way out of qarel-launch: every line it prints goes through say(),
// and every text that came from outside (a link, a table file, a path) is
// first made printable by shown(), in the escape form of
// text_escape/text_escape.h that the library and the core log share.
#ifndef TOOLS_QAREL_LAUNCH_OUTPUT_H_
#define TOOLS_QAREL_LAUNCH_OUTPUT_H_

#include <cstdio>
#include <string>
#include <string_view>

// `text` from outside, escaped: its line breaks and backslashes too, and
// its quotes, " as \x22 and ' as \x27, so that it never closes a field the
// tool quotes.
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
