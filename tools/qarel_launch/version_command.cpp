// qarel-launch version: every field of the build record, aligned.
#include <version/version.h>

#include <cstdio>
#include <string>

#include "commands.h"
#include "output.h"

namespace {
int run(const Args& args) {
  if (!args.empty()) return refuse(kVersionCommand, "takes no arguments");
  const struct {
    const char* name;
    std::string value;
  } fields[] = {
      {"product name", quor_version_get_product_name()},
      {"platform", quor_version_get_platform()},
      {"external version", quor_version_get_external_product_version()},
      {"major", quor_version_get_version_major()},
      {"minor", quor_version_get_version_minor()},
      {"maintenance", quor_version_get_version_maintenance()},
      {"major (number)", std::to_string(quor_version_get_major_uint32())},
      {"minor (number)", std::to_string(quor_version_get_minor_uint32())},
      {"maintenance (number)",
       std::to_string(quor_version_get_maintenance_uint32())},
      {"internal", quor_version_get_internal()},
      {"build number", quor_version_get_build_number()},
      {"event version", quor_version_get_event_version()},
      {"build name", quor_version_get_build_name()},
      {"build timestamp", quor_version_get_build_timestamp()},
      {"date", quor_version_get_date()},
      {"time", quor_version_get_time()},
      {"datetime", quor_version_get_datetime()},
      {"sync year", std::to_string(quor_version_get_sync_date())},
      {"corporate header", quor_version_get_corporate_header()},
  };
  for (const auto& f : fields)
    say(stdout, "%-22s %s\n", f.name, f.value.c_str());
  return kExitOk;
}
}  // namespace

const Command kVersionCommand = {"version", "",
                                 "Print the build's version record.", "", run};
