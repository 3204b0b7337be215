# The exported interface is written once, by hand, in client_common/exports.txt.
# What needs it in another form is made from it here; the build includes this
# file, and so does the export test, with `cmake -P`.
set(CLIENT_COMMON_EXPORTS ${CMAKE_CURRENT_LIST_DIR}/../client_common/exports.txt)

# client_common_exports(<var>): the list's symbols, without its comments and
# blank lines.
function(client_common_exports var)
  file(STRINGS ${CLIENT_COMMON_EXPORTS} lines REGEX "^[^#]")
  set(${var} "${lines}" PARENT_SCOPE)
endfunction()

# client_common_export_form(<demangled> <var>): a demangled symbol as the list
# writes it, whatever the standard library: std::string and
# std::vector<std::string> for their full template names, libstdc++'s and
# libc++'s inline namespaces dropped.
function(client_common_export_form demangled var)
  string(REGEX REPLACE "std::(__cxx11|__1)::" "std::" form "${demangled}")
  string(REPLACE
    "std::basic_string<char, std::char_traits<char>, std::allocator<char> >"
    "std::string" form "${form}")
  string(REGEX REPLACE
    "std::vector<std::string, std::allocator<std::string ?> ?>"
    "std::vector<std::string>" form "${form}")
  set(${var} "${form}" PARENT_SCOPE)
endfunction()

# client_common_mach_o_pattern(<symbol> <var>): the pattern of a listed symbol
# in Apple's -exported_symbols_list, where Mach-O names carry a leading "_"
# and "*" matches any text: "_qarel_strnlen_s" for a C function;
# "__Z14percent_encode*" and "__ZN11option_list3addE*" for C++ functions,
# their name mangled and their parameters left to the wildcard (the
# interface has no overloads).
function(client_common_mach_o_pattern symbol var)
  if(NOT symbol MATCHES "\\(")
    set(${var} "_${symbol}" PARENT_SCOPE)
    return()
  endif()
  string(REGEX REPLACE "\\(.*" "" name "${symbol}")
  string(REPLACE "::" ";" parts "${name}")
  set(mangled "")
  foreach(part IN LISTS parts)
    string(LENGTH "${part}" length)
    string(APPEND mangled "${length}${part}")
  endforeach()
  list(LENGTH parts depth)
  if(depth GREATER 1)
    set(mangled "N${mangled}E")
  endif()
  set(${var} "__Z${mangled}*" PARENT_SCOPE)
endfunction()

# client_common_mach_o_export_list(<file>): writes Apple's exported-symbols
# list, one pattern a line.
function(client_common_mach_o_export_list file)
  client_common_exports(symbols)
  set(text "")
  foreach(symbol IN LISTS symbols)
    client_common_mach_o_pattern("${symbol}" pattern)
    string(APPEND text "${pattern}\n")
  endforeach()
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}" @ONLY)
endfunction()
