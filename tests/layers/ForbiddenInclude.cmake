# SPDX-License-Identifier: GPL-3.0-or-later
# Fails naming every source under DIR that includes HEADER.
file(GLOB_RECURSE sources "${DIR}/*.cpp" "${DIR}/*.h")
set(found "")
foreach(source IN LISTS sources)
  file(STRINGS "${source}" lines REGEX "#include \"${HEADER}\"")
  if(lines)
    list(APPEND found "${source}")
  endif()
endforeach()
if(found)
  list(JOIN found "\n  " names)
  message(FATAL_ERROR "These include ${HEADER}:\n  ${names}")
endif()
