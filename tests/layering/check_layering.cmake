# cmake -DSOURCE_DIR=... -DLAYERS="folder:used,used|folder:..." -P this:
# fails, naming each offending line, when a library source includes a header
# of a folder its own folder may not use. Includes of folders that are not
# ours (boost/, sys/, ...) are not checked.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" layers "${LAYERS}")
set(ours "")
foreach(layer IN LISTS layers)
  string(REGEX REPLACE ":.*" "" folder "${layer}")
  string(REGEX REPLACE "^[^:]*:" "" uses "${layer}")
  string(REPLACE "," ";" uses "${uses}")
  set(allowed_${folder} ${folder} ${uses})
  list(APPEND ours ${folder} ${uses})
endforeach()
list(APPEND ours tools)  # the tool sits on top: nothing may use it
list(REMOVE_DUPLICATES ours)

set(offences "")
foreach(layer IN LISTS layers)
  string(REGEX REPLACE ":.*" "" folder "${layer}")
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp
    ${SOURCE_DIR}/${folder}/*.mm ${SOURCE_DIR}/${folder}/*.in)
  foreach(source IN LISTS sources)
    file(STRINGS ${SOURCE_DIR}/${source} includes
      REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][A-Za-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"<]*[\"<]([^\">]*)[\">].*" "\\1" header "${line}")
      string(REGEX REPLACE "/.*" "" used "${header}")
      if(header STREQUAL "client_common/export.h" OR NOT used IN_LIST ours
          OR used IN_LIST allowed_${folder})
        continue()
      endif()
      list(APPEND offences "${source}: ${header} (${folder} may not use ${used})")
    endforeach()
  endforeach()
endforeach()

if(offences)
  list(JOIN offences "\n  " text)
  message(FATAL_ERROR "Includes across the folders' layering:\n  ${text}")
endif()
list(LENGTH layers count)
message(STATUS "${count} folders include only what they may use")
