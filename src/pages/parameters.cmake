# The parameter memory as the pages use it: requests, encodings, step sequences; and the
# window parts all pages share.
add_library(vor_parameter_access STATIC
  ${CMAKE_CURRENT_LIST_DIR}/connection_check.h
  ${CMAKE_CURRENT_LIST_DIR}/page_parts.h
  ${CMAKE_CURRENT_LIST_DIR}/page_parts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parameter_access.h
  ${CMAKE_CURRENT_LIST_DIR}/parameter_encodings.h
  ${CMAKE_CURRENT_LIST_DIR}/parameter_requests.h
  ${CMAKE_CURRENT_LIST_DIR}/parameter_requests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/step_sequence.h
  ${CMAKE_CURRENT_LIST_DIR}/step_sequence.cpp
)
target_include_directories(vor_parameter_access PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(vor_parameter_access PUBLIC vor_link vor_ui)

# The parameters page and the problems-and-reminders page.
add_library(vor_pages STATIC
  ${CMAKE_CURRENT_LIST_DIR}/parameters_values.h
  ${CMAKE_CURRENT_LIST_DIR}/parameters_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parameters_page.h
  ${CMAKE_CURRENT_LIST_DIR}/parameters_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/problems_page.h
  ${CMAKE_CURRENT_LIST_DIR}/problems_page.cpp
)
target_link_libraries(vor_pages PUBLIC vor_parameter_access vor_settings Qt6::Widgets)
