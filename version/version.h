/* The build's version record. Every getter returns a constant fixed when the
 * library was built; the strings are static, never freed, and the same
 * pointer on every call, from any thread. */
#ifndef VERSION_VERSION_H_
#define VERSION_VERSION_H_

#include <stdint.h>

#include "client_common/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* "Quorvane Qarel Desktop Client" */
CLIENT_COMMON_API const char* quor_version_get_product_name(void);
/* major.minor.maintenance.revision */
CLIENT_COMMON_API const char* quor_version_get_event_version(void);
/* major.minor.maintenance, the minor with two digits: "2.07.1" */
CLIENT_COMMON_API const char* quor_version_get_external_product_version(void);
/* external product version "_" internal version string */
CLIENT_COMMON_API const char* quor_version_get_build_number(void);
CLIENT_COMMON_API const char* quor_version_get_version_major(void);
CLIENT_COMMON_API uint32_t quor_version_get_major_uint32(void);
/* two digits, "07" for 7 */
CLIENT_COMMON_API const char* quor_version_get_version_minor(void);
CLIENT_COMMON_API uint32_t quor_version_get_minor_uint32(void);
CLIENT_COMMON_API const char* quor_version_get_version_maintenance(void);
CLIENT_COMMON_API uint32_t quor_version_get_maintenance_uint32(void);
/* the year of the build instant, as a number */
CLIENT_COMMON_API uint32_t quor_version_get_sync_date(void);
/* "Qarel" */
CLIENT_COMMON_API const char* quor_version_get_platform(void);
/* branch "@" revision "~" build counter */
CLIENT_COMMON_API const char* quor_version_get_internal(void);
/* build type and target system: "release-linux", "debug-macos" */
CLIENT_COMMON_API const char* quor_version_get_build_name(void);
/* the build instant in UTC: "2026-12-06T01:58:37Z" */
CLIENT_COMMON_API const char* quor_version_get_build_timestamp(void);
/* "6 Dec 2026" */
CLIENT_COMMON_API const char* quor_version_get_date(void);
/* "01:58:37" */
CLIENT_COMMON_API const char* quor_version_get_time(void);
/* date "_" time */
CLIENT_COMMON_API const char* quor_version_get_datetime(void);
/* "<company> (c)<first year>-<sync year>" */
CLIENT_COMMON_API const char* quor_version_get_corporate_header(void);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VERSION_VERSION_H_ */
