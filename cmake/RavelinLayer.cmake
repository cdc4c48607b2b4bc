# SPDX-License-Identifier: GPL-3.0-or-later
# ravelin_layer(<target>)
# Gives a library target made in a source folder the include interface "<folder>/header.h"
# (for example "storage/cIniFile.h") and nothing else: the folder is linked into a directory of
# its own under the build tree, which the target exposes. A target sees only the headers of the
# targets it links, so a header of a higher layer does not compile below it.
function(ravelin_layer target)
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  get_filename_component(parent ${root}/${rel} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${rel} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
