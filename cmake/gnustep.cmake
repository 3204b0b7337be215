# GNUstep's Foundation for clang's Objective-C++, off Apple platforms: the
# macOS functions' own source, platform_mac/system_settings.mm, compiles and
# runs against it (CLIENT_COMMON_MACOS_API=gnustep, the gnustep preset).
# Defines the INTERFACE target gnustep_foundation.
find_program(GNUSTEP_CONFIG gnustep-config REQUIRED)
find_library(BLOCKS_RUNTIME BlocksRuntime REQUIRED)
if(NOT CMAKE_OBJCXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "GNUstep's Foundation is compiled here with clang")
endif()

# From gnustep-config, the libraries by name (GCC's libobjc lies where clang
# looks, not CMake); and the definitions, the switches of the language and the
# include folders that exist; its dependency files, optimisation and
# warnings are the build's own business.
execute_process(COMMAND ${GNUSTEP_CONFIG} --objc-flags
  OUTPUT_VARIABLE objc_flags OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${GNUSTEP_CONFIG} --base-libs
  OUTPUT_VARIABLE base_libs OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(base_libs UNIX_COMMAND "${base_libs}")
list(FILTER base_libs INCLUDE REGEX "^-l")
separate_arguments(objc_flags UNIX_COMMAND "${objc_flags}")
set(gnustep_options "")
set(gnustep_includes "")
foreach(flag IN LISTS objc_flags)
  if(flag MATCHES "^-I(/.+)$")
    if(IS_DIRECTORY "${CMAKE_MATCH_1}")
      list(APPEND gnustep_includes "${CMAKE_MATCH_1}")
    endif()
  elseif(flag MATCHES "^-(D|fconstant-string-class=|fobjc-exceptions$)")
    list(APPEND gnustep_options "${flag}")
  endif()
endforeach()

# GNUstep's headers, read by clang, ask for <objc/blocks_runtime.h>, which
# libobjc2 has and GCC's runtime has not: this one line answers it. The rest
# of <objc/...> is GCC's runtime, in GCC's own include folder, searched last.
set(blocks_shim ${PROJECT_BINARY_DIR}/gnustep/include)
file(CONFIGURE OUTPUT ${blocks_shim}/objc/blocks_runtime.h
  CONTENT "#include <Block.h>\n")
find_program(GCC gcc REQUIRED)
execute_process(COMMAND ${GCC} -print-file-name=include
  OUTPUT_VARIABLE gcc_include OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)

add_library(gnustep_foundation INTERFACE)
target_compile_options(gnustep_foundation INTERFACE
  "$<$<COMPILE_LANGUAGE:OBJCXX>:-fblocks;-fobjc-runtime=gcc;${gnustep_options};-idirafter;${gcc_include}>")
target_include_directories(gnustep_foundation SYSTEM INTERFACE
  ${blocks_shim} ${gnustep_includes})
target_link_libraries(gnustep_foundation INTERFACE
  ${base_libs} ${BLOCKS_RUNTIME})
