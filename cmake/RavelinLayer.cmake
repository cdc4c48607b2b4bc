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
  set_property(GLOBAL APPEND PROPERTY RAVELIN_LAYERS ${target})
endfunction()

# ravelin_precompile_layers(): once every layer is made, gives each library of five sources or more a
# precompiled header of the Qt and standard headers most of its sources read, the widget ones
# where it links Qt Widgets. Off by default: a precompiled header differs at every build, so a
# compiler cache shares its users' objects only between builds that share the cached header
# (CCACHE_SLOPPINESS=pch_defines,time_macros), never with the package build.
option(RAVELIN_PCH_LIBRARIES "Build the libraries on precompiled Qt headers" OFF)
set(RAVELIN_PCH_CORE <QByteArray> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QMap>
  <QObject> <QPointer> <QRegularExpression> <QSet> <QString> <QStringList> <QTimer> <QUrl>
  <algorithm> <functional> <memory> <optional> <vector>)
set(RAVELIN_PCH_WIDGETS <QAction> <QApplication> <QCheckBox> <QComboBox> <QLabel> <QLineEdit>
  <QListWidget> <QMenu> <QMessageBox> <QPlainTextEdit> <QPushButton> <QTreeWidget> <QWidget>)
function(ravelin_precompile_layers)
  if(NOT RAVELIN_PCH_LIBRARIES)
    return()
  endif()
  get_property(layers GLOBAL PROPERTY RAVELIN_LAYERS)
  foreach(target IN LISTS layers)
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources count)
    if(count LESS 5)
      continue()
    endif()
    get_target_property(links ${target} LINK_LIBRARIES)
    if(Qt6::Widgets IN_LIST links)
      target_precompile_headers(${target} PRIVATE ${RAVELIN_PCH_CORE} ${RAVELIN_PCH_WIDGETS})
    else()
      target_precompile_headers(${target} PRIVATE ${RAVELIN_PCH_CORE})
    endif()
  endforeach()
endfunction()
