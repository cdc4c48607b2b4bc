# SPDX-License-Identifier: GPL-3.0-or-later
find_package(GTest REQUIRED)

# add_ravelin_test(<name> LABEL <layer> SOURCES <files...> LIBS <targets...> [QTEST] [EVENTLOOP]
#                  [FIXTURES <fixtures...>] [TIMEOUT <seconds>])
# Makes one test executable labelled by its layer. GoogleTest is the default; EVENTLOOP gives
# it a QCoreApplication (for queued signals); QTEST builds a Qt Test case (windows, offscreen). Every test gets its own
# scratch folder in RAVELIN_TEST_TMP and the source data folder in RAVELIN_TEST_DATA.
function(add_ravelin_test name)
  cmake_parse_arguments(T "QTEST;EVENTLOOP" "LABEL;TIMEOUT" "SOURCES;LIBS;FIXTURES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  if(T_QTEST)
    target_link_libraries(${name} PRIVATE Qt6::Test Qt6::Widgets)
    target_precompile_headers(${name} REUSE_FROM test_pch_widgets)
  elseif(T_EVENTLOOP)
    target_link_libraries(${name} PRIVATE GTest::gtest gtest_qt_main Qt6::Core)
    target_precompile_headers(${name} REUSE_FROM test_pch_gtest)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main Qt6::Core)
    target_precompile_headers(${name} REUSE_FROM test_pch_gtest)
  endif()
  ravelin_needs_moc(moc ${T_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ${moc})
  set(scratch ${CMAKE_BINARY_DIR}/test-scratch/${name})
  add_test(NAME ${name} COMMAND ${name})
  set(env
    "RAVELIN_TEST_TMP=${scratch}"
    "RAVELIN_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data"
    "QT_QPA_PLATFORM=offscreen"
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES LABELS "${T_LABEL}" ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
  if(T_FIXTURES)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${T_FIXTURES}")
  endif()
endfunction()

# ravelin_test_pch(<name> LIBS <targets...> HEADERS <headers...>)
# A precompiled header that tests reuse (REUSE_FROM): the compiler takes it only where the
# test's flags and the macros its headers look at are the same, so it holds system headers
# alone, none that reads which Qt modules a test links (QtTest does).
function(ravelin_test_pch name)
  cmake_parse_arguments(P "" "" "LIBS;HEADERS" ${ARGN})
  set(anchor ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
  file(WRITE ${anchor} "")
  add_library(${name} OBJECT ${anchor})
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  target_precompile_headers(${name} PRIVATE ${P_HEADERS})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

# ravelin_needs_moc(<out> <sources...>): ON when a source, or the header beside a .cpp, declares
# a QObject or includes its own .moc; a test without one is spared moc's steps and object file.
function(ravelin_needs_moc out)
  foreach(source IN LISTS ARGN)
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    string(REGEX REPLACE "\\.cpp$" ".h" header ${path})
    foreach(file IN ITEMS ${path} ${header})
      if(NOT EXISTS ${file})
        if(file STREQUAL path)
          set(${out} ON PARENT_SCOPE)
          return()
        endif()
        continue()
      endif()
      file(STRINGS ${file} hits REGEX "Q_OBJECT|Q_GADGET|Q_NAMESPACE|\\.moc\"")
      if(hits)
        set(${out} ON PARENT_SCOPE)
        return()
      endif()
    endforeach()
  endforeach()
  set(${out} OFF PARENT_SCOPE)
endfunction()

# add_ravelin_output_test(<name> LABEL <layer> PROGRAM <target or file> ARGUMENT <argument>
#                         EXPECT <regex>)
# Runs a built program once with no display and checks its exit code and output.
function(add_ravelin_output_test name)
  cmake_parse_arguments(T "" "LABEL;PROGRAM;ARGUMENT;EXPECT" "" ${ARGN})
  if(TARGET ${T_PROGRAM})
    set(T_PROGRAM $<TARGET_FILE:${T_PROGRAM}>)
  endif()
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -DPROGRAM=${T_PROGRAM} -DARGUMENT=${T_ARGUMENT}
    "-DEXPECTED=${T_EXPECT}" -P ${CMAKE_SOURCE_DIR}/cmake/CheckOutput.cmake)
  set_tests_properties(${name} PROPERTIES LABELS "${T_LABEL}" TIMEOUT 120)
endfunction()
