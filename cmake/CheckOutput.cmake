# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DPROGRAM=<file> -DARGUMENT=<one argument> -DEXPECTED=<regex> -P CheckOutput.cmake
# Runs the program as from a console without any display and passes when it ends with 0 having
# printed something that matches EXPECTED (leading and trailing blanks and line ends left out).
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
execute_process(COMMAND ${PROGRAM} ${ARGUMENT} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err
  TIMEOUT 60)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} ended with ${result}:\n${out}${err}")
endif()
string(STRIP "${out}" out)
if(NOT out MATCHES "${EXPECTED}")
  message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} printed no \"${EXPECTED}\":\n${out}${err}")
endif()
