set(here ${CMAKE_CURRENT_LIST_DIR})
vor_add_test(step_sequence_test LABEL unit
  SOURCES ${here}/step_sequence_test.cpp ${here}/fake_link.h ${here}/fake_progress.h
  LIBS vor_parameter_access)
vor_add_test(parameter_encodings_test LABEL unit
  SOURCES ${here}/parameter_encodings_test.cpp LIBS vor_parameter_access)
vor_add_test(parameters_page_test LABEL unit
  SOURCES ${here}/parameters_page_test.cpp ${here}/fake_link.h ${here}/fake_progress.h
  LIBS vor_pages)
vor_add_test(problems_page_test LABEL unit
  SOURCES ${here}/problems_page_test.cpp ${here}/fake_link.h ${here}/fake_progress.h
  LIBS vor_pages)
