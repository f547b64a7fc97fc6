# The stand-in's second face end to end: farhost loads the tests' 3.x probe
# plugin (tests/hoststandin/face3) under Wine, x86 and x64 alike.
horalis_test(face3_e2e_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/farhost_run.cpp
             ${CMAKE_CURRENT_LIST_DIR}/face3_e2e_test.cpp)
add_dependencies(face3_e2e_tests farhost Probe3 Probe3New)
target_compile_definitions(face3_e2e_tests PRIVATE
  FARHOST_EXE="Z:$<TARGET_FILE:farhost>"
  PLUGINS_DIR="Z:${probe3_plugins}"
  NEW_PLUGINS_DIR="Z:${probe3_new_plugins}"
  WORK_DIR="Z:${CMAKE_BINARY_DIR}/tests/e2e")
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/tests/e2e)
