# The plain-logic libraries, for the main build and the fuzz build.
add_library(common_core STATIC)
target_include_directories(common_core PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
foreach(core zettrella_core vextal_core setup_core)
  add_library(${core} STATIC)
  target_link_libraries(${core} PUBLIC common_core)
endforeach()
