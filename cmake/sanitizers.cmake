# CLIENT_COMMON_SANITIZE: AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer on every target, stopping at the first report.
# CLIENT_COMMON_SANITIZE_THREAD: ThreadSanitizer instead, for the tests that
# run threads (the tsan preset builds and runs only those).
# CLIENT_COMMON_BUILD_FUZZ: coverage for libFuzzer as well (Clang only).
option(CLIENT_COMMON_SANITIZE "Build with ASan and UBSan" OFF)
option(CLIENT_COMMON_SANITIZE_THREAD "Build with ThreadSanitizer" OFF)
option(CLIENT_COMMON_BUILD_FUZZ "Build the libFuzzer targets (Clang)" OFF)

if(CLIENT_COMMON_SANITIZE OR CLIENT_COMMON_BUILD_FUZZ)
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  add_compile_options(${sanitizers})
  add_link_options(${sanitizers})
endif()

if(CLIENT_COMMON_SANITIZE_THREAD)
  if(CLIENT_COMMON_SANITIZE OR CLIENT_COMMON_BUILD_FUZZ)
    message(FATAL_ERROR "ThreadSanitizer does not mix with ASan")
  endif()
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

if(CLIENT_COMMON_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need Clang's libFuzzer")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
