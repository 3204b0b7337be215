# The exported interface is written once, by hand, in client_common/exports.txt.
# Every other form of it is made from it here: the linkers' export lists at
# configure time, the Debian symbols file at package build
# (cmake/debian-symbols.cmake), and the export test's expectations.
set(CLIENT_COMMON_EXPORTS ${CMAKE_CURRENT_LIST_DIR}/../client_common/exports.txt)

# client_common_exports(<symbols> [<versions>]): the list's symbols, without
# comments and blank lines, and the version each dates from: the one a
# symbol's own "# since VERSION" names, else the one the list's header names
# ("Symbols date from VERSION").
function(client_common_exports symbols_var)
  file(STRINGS ${CLIENT_COMMON_EXPORTS} lines)
  set(symbols "")
  set(versions "")
  set(base "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^# Symbols date from ([0-9.]+)")
      set(base ${CMAKE_MATCH_1})
    endif()
    if(line MATCHES "^#" OR line STREQUAL "")
      continue()
    endif()
    set(since ${base})
    if(line MATCHES "# since ([0-9.]+)$")
      set(since ${CMAKE_MATCH_1})
    endif()
    string(REGEX REPLACE " *#.*$" "" symbol "${line}")
    list(APPEND symbols "${symbol}")
    list(APPEND versions "${since}")
  endforeach()
  if(base STREQUAL "")
    message(FATAL_ERROR "${CLIENT_COMMON_EXPORTS} names no base version")
  endif()
  set(${symbols_var} "${symbols}" PARENT_SCOPE)
  if(ARGC GREATER 1)
    set(${ARGV1} "${versions}" PARENT_SCOPE)
  endif()
endfunction()

# client_common_export_form(<demangled> <var>): a demangled symbol as the list
# writes it, whatever the standard library: std::string and
# std::vector<std::string> for their full template names, libstdc++'s and
# libc++'s inline namespaces dropped, and libstdc++'s "[abi:cxx11]" tag too.
function(client_common_export_form demangled var)
  string(REGEX REPLACE "std::(__cxx11|__1)::" "std::" form "${demangled}")
  string(REPLACE "[abi:cxx11]" "" form "${form}")
  string(REPLACE
    "std::basic_string<char, std::char_traits<char>, std::allocator<char> >"
    "std::string" form "${form}")
  string(REGEX REPLACE
    "std::vector<std::string, std::allocator<std::string ?> ?>"
    "std::vector<std::string>" form "${form}")
  set(${var} "${form}" PARENT_SCOPE)
endfunction()

# client_common_export_pattern(<symbol> <var>): the pattern that matches a
# listed symbol's mangled name, where "*" matches any text: "qarel_strnlen_s"
# for a C function; "_Z14percent_encode*" and "_ZN11option_list3addE*" for
# C++ functions, their name mangled and their parameters left to the
# wildcard (the interface has no overloads), so that it fits libstdc++ and
# libc++ alike. Mach-O names carry one more leading "_".
function(client_common_export_pattern symbol var)
  if(NOT symbol MATCHES "\\(")
    set(${var} "${symbol}" PARENT_SCOPE)
    return()
  endif()
  string(REGEX REPLACE "\\[abi:cxx11\\]|\\(.*" "" name "${symbol}")
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
  set(${var} "_Z${mangled}*" PARENT_SCOPE)
endfunction()

# client_common_export_list(<file> ELF|MACH_O): the linker's list of what the
# library exports: the GNU linker's version script, each listed symbol
# global and everything else local; or Apple's -exported_symbols_list.
function(client_common_export_list file format)
  client_common_exports(symbols)
  if(format STREQUAL "ELF")
    set(text "/* Made from client_common/exports.txt. */\n{\n  global:\n")
  else()
    set(text "")
  endif()
  foreach(symbol IN LISTS symbols)
    client_common_export_pattern("${symbol}" pattern)
    if(format STREQUAL "ELF")
      string(APPEND text "    ${pattern};\n")
    else()
      string(APPEND text "_${pattern}\n")
    endif()
  endforeach()
  if(format STREQUAL "ELF")
    string(APPEND text "  local:\n    *;\n};\n")
  endif()
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}" @ONLY)
endfunction()

# client_common_debian_symbols(<file> <library> <package> <dev_package>): the
# Debian symbols file, each symbol demangled as Debian's compiler and
# libstdc++ name it, with the version it dates from.
function(client_common_debian_symbols file library package dev_package)
  client_common_exports(symbols versions)
  set(string
    "std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> >")
  set(text "${library} ${package} #MINVER#\n")
  string(APPEND text "* Build-Depends-Package: ${dev_package}\n")
  foreach(symbol since IN ZIP_LISTS symbols versions)
    if(NOT symbol MATCHES "\\(")
      string(APPEND text " ${symbol}@Base ${since}\n")
      continue()
    endif()
    string(REPLACE "std::vector<std::string>"
      "std::vector<${string}, std::allocator<${string} > >" symbol "${symbol}")
    string(REPLACE "std::string" "${string}" symbol "${symbol}")
    string(APPEND text " (c++)\"${symbol}@Base\" ${since}\n")
  endforeach()
  file(WRITE ${file} "${text}")
endfunction()
