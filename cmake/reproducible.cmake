# Paths of the source and build folders are written relative to them (in
# debug information and __FILE__), so that a build gives the same bytes
# wherever its folders lie. Both become ".", so a debugger started in the
# source folder finds the sources. The build folder is named last: it may lie
# inside the source folder, and the last map that matches wins.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
    -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()
