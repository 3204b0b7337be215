// Bounded, case-insensitive string functions in the manner of the standard
// bounds-checking interfaces. Every violated constraint is reported, with a
// message and an error code, to one process-wide constraint handler.
#ifndef SAFE_STR_SAFE_STR_H_
#define SAFE_STR_SAFE_STR_H_

#include <stddef.h>

#include "client_common/export.h"

#ifdef __cplusplus
#include <string>

extern "C" {
#endif

// Error codes; 0 is success.
#define QAREL_ESNULLP 400  // a required pointer argument is null
#define QAREL_ESZEROL 401  // a size or count argument is 0
#define QAREL_ESEMPTY 405  // the string to check is empty
#define QAREL_ESNOTAV 409  // not available on this platform

typedef void (*str_constraint_handler_t)(const char* msg, void* ptr, int error);

// Installs `handler` (ignore_handler_s when it is null) and returns the handler
// that was installed before. The first handler is qarel_safe_api_error_handler.
// Not synchronised: install a handler before other threads use these functions.
CLIENT_COMMON_API str_constraint_handler_t
set_str_constraint_handler_s(str_constraint_handler_t handler);

// Calls the current handler with exactly these arguments.
CLIENT_COMMON_API void invoke_safe_str_constraint_handler(const char* msg,
                                                          void* ptr, int error);

// The default handler: prints "qarel_safe_api_error_handler: [<error>] <msg>"
// and a line end to standard output.
CLIENT_COMMON_API void qarel_safe_api_error_handler(const char* msg, void* ptr,
                                                    int error);

// A handler that ignores every report.
CLIENT_COMMON_API void ignore_handler_s(const char* msg, void* ptr, int error);

// Compares `dest` with `src` ignoring case (bytes upper-cased with toupper).
// Returns 0, or 400/401 after reporting a null pointer or a zero `dmax`.
// `*indicator` receives toupper(dest[i]) - toupper(src[i]) at the deciding
// index i: the first terminator, the first difference, or index `dmax` when
// the first `dmax` characters are equal (so dest[dmax] is read by design).
CLIENT_COMMON_API int qarel_strcasecmp_s(const char* dest, size_t dmax,
                                         const char* src, int* indicator);

// Compares at most `count` characters ignoring case and returns the difference
// of the upper-cased characters at the last position compared. Null pointers
// and a zero count are reported, and the function goes on; it never reads
// through a null pointer (the result is then 0) nor beyond `count` characters.
CLIENT_COMMON_API int qarel_safe_api_strcincmp_s(const char* dest,
                                                 const char* src, size_t count);

// The length of `dest`, at most `dmax`; reads no byte at or beyond `dmax`.
// A null `dest` gives 0 silently; a zero `dmax` gives 0 after a 401 report.
CLIENT_COMMON_API size_t qarel_strnlen_s(const char* dest, size_t dmax);

// Pattern matching is not available on this platform: checks the arguments,
// reports why it cannot match and returns -1. `pattern` and `storage` are not
// read. More than 10 result slots are refused with a printed message.
CLIENT_COMMON_API int qarel_safe_api_sscanf_regex(
    const char* string_for_checking, size_t string_max, const char* pattern,
    char** storage, unsigned n_storage_provided);

#ifdef __cplusplus
}  // extern "C"

// Case-insensitive comparison of two strings: the indicator of
// qarel_strcasecmp_s with `a`'s length as the bound, so 0 means equal.
// An empty `a` gives 0 whatever `b` is, after the handler hears of dmax 0.
CLIENT_COMMON_API int qarel_strcasecmp_s_wrapper(const std::string& a,
                                                 const std::string& b);
#endif

#endif  // SAFE_STR_SAFE_STR_H_
