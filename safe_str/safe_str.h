/** \file
 * Bounded, case-insensitive string functions in the manner of the standard
 * bounds-checking interfaces. Every violated constraint is reported, with a
 * message and an error code, to one process-wide constraint handler. */
#ifndef SAFE_STR_SAFE_STR_H_
#define SAFE_STR_SAFE_STR_H_

#include <stddef.h>

#include "client_common/export.h"

#ifdef __cplusplus
#include <string>

extern "C" {
#endif

/** Error code: a required pointer argument is null. 0 is success. */
#define QAREL_ESNULLP 400
/** Error code: a size or count argument is 0. */
#define QAREL_ESZEROL 401
/** Error code: the string to check is empty. */
#define QAREL_ESEMPTY 405
/** Error code: the operation is not available on this platform. */
#define QAREL_ESNOTAV 409

/** A constraint handler: receives the message, a pointer (null from every
 * function here) and the error code of each violated constraint. */
typedef void (*str_constraint_handler_t)(const char* msg, void* ptr, int error);

/** Installs a constraint handler. Not synchronised: install a handler before
 * other threads use these functions.
 * \param handler the handler; null installs ignore_handler_s
 * \return the handler installed before; the first is
 *   qarel_safe_api_error_handler */
CLIENT_COMMON_API str_constraint_handler_t
set_str_constraint_handler_s(str_constraint_handler_t handler);

/** Calls the current handler with exactly these arguments.
 * \param msg the message
 * \param ptr the pointer
 * \param error the error code */
CLIENT_COMMON_API void invoke_safe_str_constraint_handler(const char* msg,
                                                          void* ptr, int error);

/** The default handler: prints "qarel_safe_api_error_handler: [<error>]
 * <msg>" and a line end to standard output.
 * \param msg the message
 * \param ptr not read
 * \param error the error code */
CLIENT_COMMON_API void qarel_safe_api_error_handler(const char* msg, void* ptr,
                                                    int error);

/** A handler that ignores every report.
 * \param msg not read
 * \param ptr not read
 * \param error not read */
CLIENT_COMMON_API void ignore_handler_s(const char* msg, void* ptr, int error);

/** Compares `dest` with `src` ignoring case, bytes upper-cased with toupper.
 * \param dest a terminated string
 * \param dmax how far into `dest` equal characters are accepted: when the
 *   first `dmax` characters are equal, the characters at index `dmax`
 *   decide (so dest[dmax] is read by design)
 * \param src a terminated string
 * \param indicator receives toupper(dest[i]) - toupper(src[i]) at the
 *   deciding index i: the first terminator, the first difference, or `dmax`
 * \return 0, or 400 or 401 after reporting a null pointer or a zero `dmax` */
CLIENT_COMMON_API int qarel_strcasecmp_s(const char* dest, size_t dmax,
                                         const char* src, int* indicator);

/** Compares at most `count` characters ignoring case. Null pointers and a
 * zero count are reported, and the function goes on; it never reads through
 * a null pointer nor beyond `count` characters.
 * \param dest a terminated string
 * \param src a terminated string
 * \param count the most characters compared
 * \return the difference of the upper-cased characters at the last position
 *   compared; 0 after a null pointer */
CLIENT_COMMON_API int qarel_safe_api_strcincmp_s(const char* dest,
                                                 const char* src, size_t count);

/** The length of a string, bounded; reads no byte at or beyond `dmax`.
 * \param dest a string, or null
 * \param dmax the bound
 * \return the length, at most `dmax`; 0 for a null `dest` (not reported) and
 *   for a zero `dmax` (reported with 401) */
CLIENT_COMMON_API size_t qarel_strnlen_s(const char* dest, size_t dmax);

/** Pattern matching, not available on this platform: checks the arguments
 * and reports why it cannot match.
 * \param string_for_checking the text to match; empty is reported with 405
 * \param string_max the text's bound
 * \param pattern not read
 * \param storage not read
 * \param n_storage_provided the result slots; more than 10 are refused with
 *   a message printed to standard output, not reported
 * \return -1 */
CLIENT_COMMON_API int qarel_safe_api_sscanf_regex(
    const char* string_for_checking, size_t string_max, const char* pattern,
    char** storage, unsigned n_storage_provided);

#ifdef __cplusplus
}  // extern "C"

/// Case-insensitive comparison of two strings: the indicator of
/// qarel_strcasecmp_s with `a`'s length as the bound.
/// \param a a text
/// \param b another
/// \return 0 when equal ignoring case; 0 for an empty `a` whatever `b` is,
///   after the handler hears of dmax 0
CLIENT_COMMON_API int qarel_strcasecmp_s_wrapper(const std::string& a,
                                                 const std::string& b);
#endif

#endif  // SAFE_STR_SAFE_STR_H_
