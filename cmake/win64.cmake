# The 64-bit Windows build. For now it holds what is the same on every
# architecture and is tested there: the 3.x interface's layouts and the date
# core, each test program run under 64-bit Wine, and every program checked
# to need nothing but Windows itself.
enable_testing()
include(cmake/testing.cmake)

add_subdirectory(tests/hostapi ${CMAKE_BINARY_DIR}/tests/hostapi)

set(HORALIS_WIN64_PROGRAMS $<TARGET_FILE:far3_layout_tests>)
add_test(NAME win64_imports
         COMMAND ${CMAKE_SOURCE_DIR}/tests/dist/check_imports.sh ${CMAKE_OBJDUMP} pei-x86-64
                 ${HORALIS_WIN64_PROGRAMS})
