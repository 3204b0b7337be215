# Warning flags for every target of the project, as one INTERFACE target that
# is linked privately and never exported.
add_library(client_common_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(client_common_warnings INTERFACE
    -Wall -Wextra -Wpedantic
    $<$<BOOL:${CLIENT_COMMON_WERROR}>:-Werror>)
endif()
