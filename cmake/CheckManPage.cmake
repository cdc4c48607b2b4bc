# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DPROGRAM=<file> -DMANPAGE=<file> -P CheckManPage.cmake
# Every command and option the program's --help lists (a line indented by two spaces) must be
# described in its man page, so a new command cannot go out without one.
execute_process(COMMAND ${PROGRAM} --help RESULT_VARIABLE result OUTPUT_VARIABLE help)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help ended with ${result}")
endif()
file(READ ${MANPAGE} page)
string(REGEX REPLACE "\\\\f[BIRP]" "" page "${page}")
string(REPLACE "\\-" "-" page "${page}")
# Brackets would keep CMake from splitting the list at the line ends between them.
string(REPLACE "[" "(" help "${help}")
string(REPLACE "]" ")" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(missing)
foreach(line IN LISTS lines)
  if(line MATCHES "^  (-?-?[a-z][a-z-]*( [a-z]+)?)( |,|$)")
    string(FIND "${page}" "${CMAKE_MATCH_1}" at)
    if(at EQUAL -1)
      list(APPEND missing "${CMAKE_MATCH_1}")
    endif()
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "${MANPAGE} does not describe: ${missing}")
endif()
