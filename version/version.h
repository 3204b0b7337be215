/** \file
 * The build's version record. Every getter returns a constant fixed when the
 * library was built; the strings are static, never freed, and the same
 * pointer on every call, from any thread. */
#ifndef VERSION_VERSION_H_
#define VERSION_VERSION_H_

#include <stdint.h>

#include "client_common/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/** \return "Quorvane Qarel Desktop Client" */
CLIENT_COMMON_API const char* quor_version_get_product_name(void);
/** \return major.minor.maintenance.revision */
CLIENT_COMMON_API const char* quor_version_get_event_version(void);
/** \return major.minor.maintenance, the minor with two digits: "2.07.1" */
CLIENT_COMMON_API const char* quor_version_get_external_product_version(void);
/** \return the external product version, "_", the internal version string */
CLIENT_COMMON_API const char* quor_version_get_build_number(void);
/** \return the major version: "2" */
CLIENT_COMMON_API const char* quor_version_get_version_major(void);
/** \return the major version as a number */
CLIENT_COMMON_API uint32_t quor_version_get_major_uint32(void);
/** \return the minor version with two digits: "07" for 7 */
CLIENT_COMMON_API const char* quor_version_get_version_minor(void);
/** \return the minor version as a number */
CLIENT_COMMON_API uint32_t quor_version_get_minor_uint32(void);
/** \return the maintenance version: "1" */
CLIENT_COMMON_API const char* quor_version_get_version_maintenance(void);
/** \return the maintenance version as a number */
CLIENT_COMMON_API uint32_t quor_version_get_maintenance_uint32(void);
/** \return the year of the build instant, as a number */
CLIENT_COMMON_API uint32_t quor_version_get_sync_date(void);
/** \return "Qarel" */
CLIENT_COMMON_API const char* quor_version_get_platform(void);
/** \return the internal version string: branch, "@", revision, "~", build
 *    counter */
CLIENT_COMMON_API const char* quor_version_get_internal(void);
/** \return the build type and target system: "release-linux",
 *    "debug-macos" */
CLIENT_COMMON_API const char* quor_version_get_build_name(void);
/** \return the build instant in UTC: "2026-12-06T01:58:37Z" */
CLIENT_COMMON_API const char* quor_version_get_build_timestamp(void);
/** \return the build instant's date: "6 Dec 2026" */
CLIENT_COMMON_API const char* quor_version_get_date(void);
/** \return the build instant's time of day: "01:58:37" */
CLIENT_COMMON_API const char* quor_version_get_time(void);
/** \return the date, "_", the time */
CLIENT_COMMON_API const char* quor_version_get_datetime(void);
/** \return "<company> (c)<first year>-<sync year>" */
CLIENT_COMMON_API const char* quor_version_get_corporate_header(void);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* VERSION_VERSION_H_ */
