# denkfalke_add_test(NAME SOURCES file... LIBS lib... [GUI])
# One GoogleTest executable, registered test by test with CTest.
# GUI tests run on Qt's offscreen platform, so they need no display.
set(DENKFALKE_SANITIZER_ENV
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")

function(denkfalke_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest)
  if(NOT ARG_GUI)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  set(environment ${DENKFALKE_SANITIZER_ENV})
  if(ARG_GUI)
    list(APPEND environment "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${environment}")
endfunction()
