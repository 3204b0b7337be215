/// \file
/// The one macro that marks a declaration as part of the exported interface.
/// The library is built with hidden visibility, so nothing else leaves it.
#ifndef CLIENT_COMMON_EXPORT_H_
#define CLIENT_COMMON_EXPORT_H_

#if defined(__GNUC__) || defined(__clang__)
/// Exports the declaration it marks from the shared library.
#define CLIENT_COMMON_API __attribute__((visibility("default")))
#else
#define CLIENT_COMMON_API
#endif

#endif  // CLIENT_COMMON_EXPORT_H_
