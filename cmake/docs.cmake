# The API reference: Doxygen over the public headers, whose contract
# comments are its only source. A public function, parameter, result, type
# or constant without its comment fails the build (CLIENT_COMMON_BUILD_DOCS,
# the docs preset, scripts/docs.sh).
find_package(Doxygen 1.9 REQUIRED)
set(DOXYGEN_PROJECT_NAME client_common)
set(DOXYGEN_PROJECT_NUMBER ${PROJECT_VERSION})
set(DOXYGEN_PROJECT_BRIEF
  "Launch arguments, option table and logging of the Quorvane Qarel client")
set(DOXYGEN_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/docs)
set(DOXYGEN_EXTRACT_ALL NO)
set(DOXYGEN_WARN_IF_UNDOCUMENTED YES)
set(DOXYGEN_WARN_IF_DOC_ERROR YES)
set(DOXYGEN_WARN_NO_PARAMDOC YES)
set(DOXYGEN_WARN_AS_ERROR FAIL_ON_WARNINGS)
# Headers named as clients include them: <option_list/option_list.h>.
set(DOXYGEN_FULL_PATH_NAMES YES)
set(DOXYGEN_STRIP_FROM_PATH ${PROJECT_SOURCE_DIR})
set(DOXYGEN_STRIP_FROM_INC_PATH ${PROJECT_SOURCE_DIR})
# The export macro is no part of a signature as a reader sees it.
set(DOXYGEN_ENABLE_PREPROCESSING YES)
set(DOXYGEN_MACRO_EXPANSION YES)
set(DOXYGEN_EXPAND_ONLY_PREDEF YES)
set(DOXYGEN_PREDEFINED "CLIENT_COMMON_API=" "__cplusplus")
# The same bytes from any build folder and at any time.
set(DOXYGEN_HTML_TIMESTAMP NO)
set(DOXYGEN_SEARCHENGINE NO)
set(DOXYGEN_QUIET YES)

set(headers ${CLIENT_COMMON_PUBLIC_HEADERS})
list(TRANSFORM headers PREPEND ${PROJECT_SOURCE_DIR}/)
doxygen_add_docs(docs ${headers} ALL COMMENT "API reference")
install(DIRECTORY ${DOXYGEN_OUTPUT_DIRECTORY}/html
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
