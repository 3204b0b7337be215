# cmake -DLIBRARY=... -DNM=... -P this: the library's exported dynamic symbols
# against client_common/exports.txt. Fails, naming each, on a listed symbol
# that is not exported, and on anything else that is, but for the ELF
# linker's own symbols and the type information of the exception types Boost
# declares visible on purpose, which the linkers' export lists leave out.
# Each listed symbol's mangled name must also match its pattern in the
# linkers' export lists.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/exports.cmake)
client_common_exports(written)
set(listed "")  # as the export form writes them: no ABI tag
foreach(symbol IN LISTS written)
  client_common_export_form("${symbol}" symbol)
  list(APPEND listed "${symbol}")
endforeach()

function(dynamic_symbols var)
  execute_process(COMMAND ${NM} -D --defined-only ${ARGN} ${LIBRARY}
    OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "(^|\n)[0-9a-f]* [A-Za-z] " "\\1" text "${text}")
  string(REGEX REPLACE "\n$" "" text "${text}")
  string(REPLACE "\n" ";" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()
dynamic_symbols(mangled)
dynamic_symbols(demangled -C)

set(not_ours
  "^(__bss_start|_edata|_end|_init|_fini)$"
  "^(typeinfo|typeinfo name|vtable) for boost::(bad_function_call|exception|exception_detail::clone_base|wrapexcept<boost::bad_function_call>)$")
list(JOIN not_ours "|" not_ours)
set(faults "")
set(exported "")
foreach(m d IN ZIP_LISTS mangled demangled)
  client_common_export_form("${d}" symbol)
  if(symbol IN_LIST listed)
    list(APPEND exported "${symbol}")
    # Both linkers' lists hold this pattern; mangled names hold only
    # letters, digits and "_", so only its "*" needs translating.
    client_common_export_pattern("${symbol}" pattern)
    string(REPLACE "*" ".*" pattern "${pattern}")
    if(NOT m MATCHES "^${pattern}$")
      list(APPEND faults "the export lists' ${pattern} misses ${m} (${symbol})")
    endif()
  elseif(NOT d MATCHES "${not_ours}")
    list(APPEND faults "exported, not listed: ${symbol}")
  endif()
endforeach()
foreach(symbol IN LISTS listed)
  if(NOT symbol IN_LIST exported)
    list(APPEND faults "listed, not exported: ${symbol}")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "The exports differ from client_common/exports.txt:\n  ${text}")
endif()
list(LENGTH listed count)
message(STATUS "the ${count} listed symbols are exported, and nothing else of ours")
