# The three kinds of binary the project builds, named in this one place:
#   ELF     shared libraries with SONAMEs and version scripts (Linux)
#   MACH_O  @rpath dylibs and Apple's exported-symbols lists (macOS)
#   WASM    static libraries linked into one WebAssembly module (the browser)
# Every rule that differs between them asks CLIENT_COMMON_TARGET_KIND, and
# takes from here the library type and the runtime path of the kind.
if(EMSCRIPTEN)
  set(CLIENT_COMMON_TARGET_KIND WASM)
  set(CLIENT_COMMON_LIBRARY_TYPE STATIC)
  set(CLIENT_COMMON_ORIGIN "")
  # Debian's Boost headers, through a folder that holds boost/ alone: the
  # whole of /usr/include would hide Emscripten's own C library.
  set(boost_root ${PROJECT_BINARY_DIR}/boost-headers)
  file(MAKE_DIRECTORY ${boost_root})
  file(CREATE_LINK /usr/include/boost ${boost_root}/boost SYMBOLIC)
  set(Boost_INCLUDE_DIR ${boost_root} CACHE PATH "Boost's headers" FORCE)
elseif(APPLE)
  set(CLIENT_COMMON_TARGET_KIND MACH_O)
  set(CLIENT_COMMON_LIBRARY_TYPE SHARED)
  set(CLIENT_COMMON_ORIGIN "@loader_path")
else()
  set(CLIENT_COMMON_TARGET_KIND ELF)
  set(CLIENT_COMMON_LIBRARY_TYPE SHARED)
  set(CLIENT_COMMON_ORIGIN "$ORIGIN")
endif()
