# client_common_folder(<folder> [USES <name>...] [PUBLIC <header>...]): one
# folder of the library as an object library, compiled position independent
# with hidden visibility, linking only what the folder may use: other
# folders, or the platform libraries qarel_core and macos_standin. PUBLIC
# names its public headers, <folder>.h when not given. These calls are the
# one list of the library's folders: the layering test, the install rules,
# the tests and the scripts read what they record (CLIENT_COMMON_FOLDERS,
# CLIENT_COMMON_PUBLIC_HEADERS, and the files client_common_write_folders
# writes). Every folder may also include client_common/export.h, the export
# macro.
set_property(GLOBAL PROPERTY CLIENT_COMMON_LAYERS "")
set(CLIENT_COMMON_FOLDERS "")
set(CLIENT_COMMON_PUBLIC_HEADERS "")
set(CLIENT_COMMON_OBJECTS "")

function(client_common_folder folder)
  cmake_parse_arguments(arg "" "" "USES;PUBLIC" ${ARGN})
  if(NOT arg_PUBLIC)
    set(arg_PUBLIC ${folder}.h)
  endif()
  list(TRANSFORM arg_PUBLIC PREPEND ${folder}/)
  set(target ${folder}_objects)
  add_library(${target} OBJECT)
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_link_libraries(${target}
    PUBLIC Boost::headers
    PRIVATE client_common_warnings)
  foreach(used IN LISTS arg_USES)
    if(TARGET ${used}_objects)
      target_link_libraries(${target} PRIVATE ${used}_objects)
    elseif(TARGET ${used})
      target_link_libraries(${target} PRIVATE ${used})
    endif()
  endforeach()
  # Calls between the library's own functions need not allow for
  # interposition.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fno-semantic-interposition)
  endif()
  set_target_properties(${target} PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)

  list(JOIN arg_USES "," uses)
  set_property(GLOBAL APPEND PROPERTY CLIENT_COMMON_LAYERS "${folder}:${uses}")
  set(CLIENT_COMMON_OBJECTS ${CLIENT_COMMON_OBJECTS}
    $<TARGET_OBJECTS:${target}> PARENT_SCOPE)
  set(CLIENT_COMMON_FOLDERS ${CLIENT_COMMON_FOLDERS} ${folder} PARENT_SCOPE)
  set(CLIENT_COMMON_PUBLIC_HEADERS ${CLIENT_COMMON_PUBLIC_HEADERS}
    ${arg_PUBLIC} PARENT_SCOPE)
  add_subdirectory(${folder})
endfunction()

# client_common_write_folders(): the folders and the public headers, one a
# line, in the build folder, for scripts/coverage.sh and scripts/abi.sh.
function(client_common_write_folders)
  foreach(list FOLDERS PUBLIC_HEADERS)
    string(TOLOWER ${list} name)
    list(JOIN CLIENT_COMMON_${list} "\n" text)
    file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/client_common_${name}.txt
      CONTENT "${text}\n" @ONLY)
  endforeach()
endfunction()
