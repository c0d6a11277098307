# SPDX-License-Identifier: MIT
# tintora_add_test(NAME SOURCES a.cpp ... LIBS lib ... [GUI] [LABELS ...])
# One GoogleTest executable registered with CTest. GUI tests run on Qt's
# offscreen platform, so they need no display.
function(tintora_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  # The helpers tests share (tests/support).
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_GUI)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    target_link_libraries(${name} PRIVATE Qt6::Widgets Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  # Qt and fontconfig keep caches for the life of a GUI process, which the
  # leak checker would report; plain tests keep leak checking on.
  if(T_GUI)
    set(env "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
  else()
    set(env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" LABELS "${T_LABELS}" TIMEOUT 300)
endfunction()
