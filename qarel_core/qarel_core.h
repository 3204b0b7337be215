/* The core runtime's event log and client log: the six functions that
 * client_common imports, with C linkage. This is our stand-in for the maker's
 * libqarel_core; it keeps the same call contract. */
#ifndef QAREL_CORE_QAREL_CORE_H_
#define QAREL_CORE_QAREL_CORE_H_

#include <stddef.h>
#include <stdint.h>

#if defined(__GNUC__) || defined(__clang__)
#define QAREL_CORE_API __attribute__((visibility("default")))
#else
#define QAREL_CORE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Where quor_event_init_ext_cfg opens its file. 64 bytes; every byte that is
 * not set below is zero. The strings are borrowed for the call only. */
typedef struct quor_event_ext_cfg {
  const char* label;       /* 0: caller's third string */
  const char* directory;   /* 8: with its trailing separator, or "" */
  uint64_t reserved_16;    /* 16: 0 */
  uint32_t flags;          /* 24: 257 */
  uint8_t reserved_28[4];  /* 28: zero */
  uint32_t max_files;      /* 32: 10 */
  uint16_t format_version; /* 36: 1 */
  uint8_t reserved_38[2];  /* 38: zero */
  const char* source;      /* 40: caller's second string */
  const char* file_name;   /* 48: file name, or "" */
  uint8_t reserved_56[8];  /* 56: zero */
} quor_event_ext_cfg;

/* Writes one line: timestamp, level name, category, code, session id and the
 * printf-formatted text, at any length. Lines above the current level are
 * dropped. Goes to every open log file, or to standard error when none is
 * open. Safe from many threads: each line is written whole, and the lines of
 * one thread keep their order.
 *
 * One call is one line, whatever the text holds: the text is written in the
 * escape form qarel-launch prints too. A byte that is not printable
 * text (C0 controls with CR, LF and TAB, DEL, C1 controls, invalid UTF-8,
 * the bidi and isolate controls, U+2028 and U+2029) is written as "\x" and
 * two lower-case hex digits, and a backslash as "\\"; printable text,
 * UTF-8 included, is written as it is.
 *
 * 0 when the line was written whole, or dropped for its level; non-zero when
 * it could not be written whole to every destination (a full disk, an I/O
 * error, a file size limit). A line cut short is cut off again, so the file
 * holds whole lines only. */
QAREL_CORE_API int mQUOR_EVENT_LOG_MESSAGE(int category, int level, int code,
                                           const char* format, ...)
#if defined(__GNUC__) || defined(__clang__)
    __attribute__((format(printf, 4, 5)))
#endif
    ;

/* How both opens below treat a file: appended to if it is a regular file,
 * created with mode 0600 if it is missing (a log holds hosts and session
 * ids), opened close-on-exec, and never through a symbolic link in the last
 * component of its path. A FIFO, device, socket or folder is refused at once,
 * without blocking. */

/* Opens the client log: lines are appended to the file `name` in `directory`
 * (the current directory when it is empty), and the level becomes `level`.
 * 0 on success; non-zero for an empty name, a file that cannot be opened or
 * is refused, or a level outside 0 to 5. */
QAREL_CORE_API int qarel_client_log_init(const char* directory,
                                         const char* name, int level);

/* Sets the level (0 critical, 1 error, 2 info, 3 debug, up to 5). 0 on
 * success; any other level is refused with -1 and changes nothing. */
QAREL_CORE_API int qarel_client_log_level_set(int level);

/* Opens an event-log file at the record's directory and file name as well.
 * 0 on success; -1 for a null record, an empty file name or a file that cannot
 * be opened or is refused. */
QAREL_CORE_API int quor_event_init_ext_cfg(const quor_event_ext_cfg* cfg);

/* Starts a new session id, which later lines carry. Returns 0. */
QAREL_CORE_API int quor_event_reset_session_log_id(void);

/* Closes every log file; later lines go to standard error. 0 when every
 * line since each file was opened went in whole and each close succeeded;
 * non-zero otherwise, so that a log cut short is never taken for a whole
 * one. */
QAREL_CORE_API int quor_event_close(void);

#ifdef __cplusplus
} /* extern "C" */

/* The real core's layout, on the 64-bit platforms it ships for; the
 * WebAssembly build's 32-bit pointers lay it out otherwise, and only the
 * stand-in reads it there. */
#if UINTPTR_MAX == UINT64_MAX
static_assert(sizeof(quor_event_ext_cfg) == 64, "record is 64 bytes");
static_assert(offsetof(quor_event_ext_cfg, directory) == 8, "directory at 8");
static_assert(offsetof(quor_event_ext_cfg, flags) == 24, "flags at 24");
static_assert(offsetof(quor_event_ext_cfg, max_files) == 32, "max at 32");
static_assert(offsetof(quor_event_ext_cfg, format_version) == 36, "at 36");
static_assert(offsetof(quor_event_ext_cfg, source) == 40, "source at 40");
static_assert(offsetof(quor_event_ext_cfg, file_name) == 48, "name at 48");
#endif
#endif

#endif /* QAREL_CORE_QAREL_CORE_H_ */
