# GoogleTest from the sources the machine ships, for both builds.
set(HORALIS_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${HORALIS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

if(WIN32)
  # One Wine prefix per test run, made once before any test needs it.
  set(HORALIS_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  # Through the build's own emulator: wine-run, with --win64 in that build.
  add_test(NAME wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --prepare)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine
                       ENVIRONMENT "HORALIS_WINEPREFIX=${HORALIS_WINEPREFIX}")
endif()

# A GoogleTest executable run once as a whole (a Wine process start is
# costly). NATIVE_ONLY sources hold checks that need the native subset's
# fault injection; they are left out of the Windows build.
function(horalis_test name)
  cmake_parse_arguments(T "" "" "SOURCES;NATIVE_ONLY;LIBRARIES" ${ARGN})
  set(sources ${T_SOURCES})
  if(NOT WIN32)
    list(APPEND sources ${T_NATIVE_ONLY})
  endif()
  add_executable(${name} ${sources})
  horalis_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} gtest_main platform)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(WIN32)
    # The programs of one Wine prefix share its clipboard: one at a time.
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_clipboard
                         ENVIRONMENT "HORALIS_WINEPREFIX=${HORALIS_WINEPREFIX}")
  endif()
endfunction()
