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
  # Debian's header-only libraries, Boost and nlohmann/json, through a
  # folder that holds them alone: the whole of /usr/include would hide
  # Emscripten's own C library.
  set(debian_headers ${PROJECT_BINARY_DIR}/debian-headers)
  file(MAKE_DIRECTORY ${debian_headers})
  foreach(library boost nlohmann)
    file(CREATE_LINK /usr/include/${library} ${debian_headers}/${library}
      SYMBOLIC)
  endforeach()
  set(Boost_INCLUDE_DIR ${debian_headers} CACHE PATH "Boost's headers" FORCE)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${debian_headers})
elseif(APPLE)
  set(CLIENT_COMMON_TARGET_KIND MACH_O)
  set(CLIENT_COMMON_LIBRARY_TYPE SHARED)
  set(CLIENT_COMMON_ORIGIN "@loader_path")
else()
  set(CLIENT_COMMON_TARGET_KIND ELF)
  set(CLIENT_COMMON_LIBRARY_TYPE SHARED)
  set(CLIENT_COMMON_ORIGIN "$ORIGIN")
endif()
