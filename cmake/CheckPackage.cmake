# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE=<checkout> -DSCRATCH=<folder> -DVERSION=<x.y> -P CheckPackage.cmake
# Builds the Debian package from a copy of the checkout (dpkg-buildpackage writes beside the
# tree it builds), fails on any lintian error, unpacks the package into a scratch root, checks
# that it holds what a desktop needs and runs the ravelin-cli found there.
foreach(tool dpkg-buildpackage dpkg-deb lintian fakeroot dh)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    message("Skipping the package check: ${tool} is missing (scripts/install-deps installs it)")
    return()
  endif()
endforeach()

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${SOURCE}/ DESTINATION ${SCRATCH}/ravelin REGEX "^${SOURCE}/(build[^/]*|\\.git)$" EXCLUDE)

string(TIMESTAMP start "%s")
execute_process(COMMAND ${CMAKE_COMMAND} -E env RAVELIN_WERROR=ON nice -n 10 dpkg-buildpackage -us -uc -b -j2 WORKING_DIRECTORY ${SCRATCH}/ravelin
  RESULT_VARIABLE result OUTPUT_FILE ${SCRATCH}/build.log ERROR_FILE ${SCRATCH}/build.log)
string(TIMESTAMP end "%s")
math(EXPR seconds "${end} - ${start}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-buildpackage failed (${result}); its output is in ${SCRATCH}/build.log")
endif()
message("dpkg-buildpackage took ${seconds} s")

run("dpkg --print-architecture" dpkg --print-architecture)
string(STRIP "${out}" arch)
set(deb ${SCRATCH}/ravelin_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
  message(FATAL_ERROR "dpkg-buildpackage made no ${deb}")
endif()

run("lintian on ${deb}" lintian --fail-on error ${deb})
message("lintian:\n${out}")

run("Unpacking ${deb}" dpkg-deb -x ${deb} ${SCRATCH}/root)
foreach(file bin/ravelin bin/ravelin-cli share/applications/ravelin.desktop
    share/metainfo/io.github.ravelin.Ravelin.metainfo.xml share/icons/hicolor/scalable/apps/ravelin.svg
    share/icons/hicolor/48x48/apps/ravelin.png share/man/man1/ravelin.1.gz share/man/man1/ravelin-cli.1.gz
    share/doc/ravelin/copyright share/ravelin/translations/ravelin_de.qm)
  if(NOT EXISTS ${SCRATCH}/root/usr/${file})
    message(FATAL_ERROR "The package lacks /usr/${file}")
  endif()
endforeach()
file(STRINGS ${SCRATCH}/root/usr/share/applications/ravelin.desktop handler REGEX "^MimeType=.*x-scheme-handler/mailto;")
if(NOT handler)
  message(FATAL_ERROR "The packaged desktop entry does not handle mailto: links")
endif()

run("The packaged ravelin-cli --version" ${SCRATCH}/root/usr/bin/ravelin-cli --version)
if(NOT out STREQUAL "ravelin-cli ${VERSION}\n")
  message(FATAL_ERROR "The packaged ravelin-cli --version printed \"${out}\", not \"ravelin-cli ${VERSION}\"")
endif()
