# vor_add_test(NAME LABEL unit|engine|e2e SOURCES ... LIBS ...)
# A QtTest executable run by CTest headless.
function(vor_add_test name)
  cmake_parse_arguments(T "" "LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${T_LABEL}"
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;TSAN_OPTIONS=die_after_fork=0:suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp")
endfunction()
