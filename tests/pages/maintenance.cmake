set(here ${CMAKE_CURRENT_LIST_DIR})
vor_add_test(date_check_test LABEL unit SOURCES ${here}/date_check_test.cpp
  LIBS vor_maintenance_texts)
vor_add_test(maintenance_commands_test LABEL unit SOURCES ${here}/maintenance_commands_test.cpp
  LIBS vor_sim_model)
vor_add_test(functions_page_test LABEL unit
  SOURCES ${here}/functions_page_test.cpp ${here}/fake_link.h ${here}/fake_progress.h
    ${here}/page_fixture.h
  LIBS vor_maintenance_pages)
vor_add_test(maintenance_page_test LABEL unit
  SOURCES ${here}/maintenance_page_test.cpp ${here}/fake_link.h ${here}/fake_progress.h
    ${here}/page_fixture.h
  LIBS vor_maintenance_pages)
vor_add_test(maintenance_over_line_test LABEL e2e
  SOURCES ${here}/maintenance_over_line_test.cpp ${here}/pages_on_line.h ${here}/fake_progress.h
    ${here}/page_fixture.h
  LIBS vor_maintenance_pages vor_sim_model)
target_include_directories(maintenance_over_line_test PRIVATE ${PROJECT_SOURCE_DIR}/tests/link)
target_compile_definitions(maintenance_over_line_test PRIVATE
  VOR_SIM_PATH="$<TARGET_FILE:vor-sim>" VOR_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
add_dependencies(maintenance_over_line_test vor-sim)
