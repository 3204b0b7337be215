# client_common_folder(<folder> [USES <name>...]): one folder of the library
# as an object library, compiled position independent with hidden
# visibility, linking only what the folder may use: other folders, or the
# platform libraries qarel_core and macos_standin. The layering test reads
# the same lists, so they are the one statement of what may use what.
# Every folder may also include client_common/export.h, the export macro.
set_property(GLOBAL PROPERTY CLIENT_COMMON_LAYERS "")
set(CLIENT_COMMON_OBJECTS "")

function(client_common_folder folder)
  cmake_parse_arguments(arg "" "" "USES" ${ARGN})
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
  add_subdirectory(${folder})
endfunction()
