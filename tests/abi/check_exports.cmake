# cmake -DLIBRARY=... -DEXPECTED=... -P this: fails when the library exports a
# symbol that is not in the checked-in list, or misses one that is.
execute_process(COMMAND nm -D --defined-only -C ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX REPLACE "[^\n]*[0-9a-f]+ [A-Za-z] ([^\n]*)" "\\1" names "${listing}")
string(REPLACE ";" "\\;" names "${names}")
string(REPLACE "\n" ";" names "${names}")
list(FILTER names EXCLUDE REGEX "^$")
list(SORT names)

file(STRINGS ${EXPECTED} expected)
list(SORT expected)

set(added ${names})
list(REMOVE_ITEM added ${expected})
set(missing ${expected})
list(REMOVE_ITEM missing ${names})
if(added OR missing)
  list(JOIN added "\n  " added_text)
  list(JOIN missing "\n  " missing_text)
  message(FATAL_ERROR "Exported symbols differ from ${EXPECTED}\n"
    "added:\n  ${added_text}\nmissing:\n  ${missing_text}")
endif()
list(LENGTH names count)
message(STATUS "${count} exported symbols, as listed")
