# The programmable-functions and maintenance pages; the date check and row texts need no
# windows.
add_library(vor_maintenance_texts STATIC
  ${CMAKE_CURRENT_LIST_DIR}/date_check.h
  ${CMAKE_CURRENT_LIST_DIR}/date_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/maintenance_rows.h
  ${CMAKE_CURRENT_LIST_DIR}/maintenance_rows.cpp
)
target_include_directories(vor_maintenance_texts PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(vor_maintenance_texts PUBLIC vor_settings)

add_library(vor_maintenance_pages STATIC
  ${CMAKE_CURRENT_LIST_DIR}/function_rows.h
  ${CMAKE_CURRENT_LIST_DIR}/function_rows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/functions_page.h
  ${CMAKE_CURRENT_LIST_DIR}/functions_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/maintenance_command.h
  ${CMAKE_CURRENT_LIST_DIR}/maintenance_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/maintenance_page.h
  ${CMAKE_CURRENT_LIST_DIR}/maintenance_page.cpp
)
target_link_libraries(vor_maintenance_pages
  PUBLIC vor_maintenance_texts vor_parameter_access vor_settings_windows Qt6::Widgets)
