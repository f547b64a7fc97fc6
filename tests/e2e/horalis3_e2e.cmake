# The 3.x plugin end to end: farhost's second face loads Horalis3.dll (the
# build's own, alone in a plugins folder) under Wine, x86 and x64 alike.
set(horalis3_plugins ${CMAKE_BINARY_DIR}/tests/e2e/plugins3)
horalis_test(horalis3_e2e_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/farhost_run.cpp
             ${CMAKE_CURRENT_LIST_DIR}/horalis3_e2e_test.cpp)
add_dependencies(horalis3_e2e_tests farhost Horalis3 resources3)
add_custom_command(TARGET horalis3_e2e_tests POST_BUILD
                   COMMAND ${CMAKE_COMMAND} -E copy_directory ${HORALIS3_DIST_DIR}
                           ${horalis3_plugins}/Horalis3)
target_compile_definitions(horalis3_e2e_tests PRIVATE
  FARHOST_EXE="Z:$<TARGET_FILE:farhost>"
  PLUGINS_DIR="Z:${horalis3_plugins}"
  WORK_DIR="Z:${CMAKE_BINARY_DIR}/tests/e2e")
