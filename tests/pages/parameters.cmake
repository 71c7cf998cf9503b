set(here ${CMAKE_CURRENT_LIST_DIR})
vor_add_test(step_sequence_test LABEL unit
  SOURCES ${here}/step_sequence_test.cpp ${here}/fake_link.h ${here}/fake_progress.h
  LIBS vor_parameter_access)
vor_add_test(parameter_encodings_test LABEL unit
  SOURCES ${here}/parameter_encodings_test.cpp LIBS vor_parameter_access)
vor_add_test(parameters_page_test LABEL unit
  SOURCES ${here}/parameters_page_test.cpp ${here}/fake_link.h ${here}/fake_progress.h
    ${here}/page_fixture.h
  LIBS vor_pages)
vor_add_test(problems_page_test LABEL unit
  SOURCES ${here}/problems_page_test.cpp ${here}/fake_link.h ${here}/fake_progress.h
  LIBS vor_pages)
vor_add_test(pages_over_line_test LABEL e2e
  SOURCES ${here}/pages_over_line_test.cpp ${here}/pages_on_line.h ${here}/fake_progress.h
    ${here}/page_fixture.h
  LIBS vor_pages vor_sim_model)
target_include_directories(pages_over_line_test PRIVATE ${PROJECT_SOURCE_DIR}/tests/link)
target_compile_definitions(pages_over_line_test PRIVATE VOR_SIM_PATH="$<TARGET_FILE:vor-sim>")
add_dependencies(pages_over_line_test vor-sim)
