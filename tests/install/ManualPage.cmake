# The manual page of linealidad-cli names every view and option that its --help names, so the
# page does not fall behind when the tool learns something new.
# cmake -DCLI=... -DPAGE=... -P ManualPage.cmake
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "linealidad-cli --help failed: ${result}")
endif()
file(READ ${PAGE} page)
string(REPLACE "\\-" "-" page "${page}") # the page writes a hyphen as \-
# Each view and option starts a line of the help, indented by two blanks.
string(REGEX MATCHALL "\n  [a-z-][a-z-]*" items "${help}")
list(LENGTH items count)
if(count LESS 6)
  message(FATAL_ERROR "the help names ${count} views and options; it has changed its layout")
endif()
foreach(item IN LISTS items)
  string(STRIP "${item}" item)
  string(FIND "${page}" "${item}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual page does not name ${item}, which --help names")
  endif()
endforeach()
