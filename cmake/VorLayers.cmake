# vor_add_layers(GLOB...): adds every folder whose CMakeLists.txt matches, so that a new layer
# joins the build by itself. Folders named in VOR_EXCLUDE stay out (a layer still being
# written, in a private build).
set(VOR_EXCLUDE "" CACHE STRING "Layer folder names to leave out of this build")
function(vor_add_layers)
  file(GLOB lists CONFIGURE_DEPENDS ${ARGN})
  foreach(list ${lists})
    get_filename_component(dir ${list} DIRECTORY)
    get_filename_component(name ${dir} NAME)
    if(NOT name IN_LIST VOR_EXCLUDE)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
