# The 64-bit Windows build. For now it holds what is the same on every
# architecture and is tested there: the 3.x interface's layouts, the date
# core and the host stand-in, each test program run under 64-bit Wine, and every program checked
# to need nothing but Windows itself.
enable_testing()
include(cmake/testing.cmake)

# The 3.x plugin's language and help files, the same as the 32-bit build's.
include(resources/horalis3_files.cmake)
horalis3_language_files(${HORALIS3_DIST_DIR})

add_subdirectory(tests/hostapi ${CMAKE_BINARY_DIR}/tests/hostapi)

# The date core: the expansion, names, zones and offsets, the check of a
# format and the clipboard's texts, which call no host: datetext/ alone,
# built from the same files as the 32-bit plugin.
file(GLOB date_core_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/datetext/*.cpp)
add_library(date_core STATIC ${date_core_sources})
horalis_warnings(date_core)
target_include_directories(date_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(date_core PUBLIC platform)

# The 3.x plugin's 64-bit DLL.
add_subdirectory(plugin3 ${CMAKE_BINARY_DIR}/plugin3)
add_subdirectory(tests/plugin3 ${CMAKE_BINARY_DIR}/tests/plugin3)
include(packaging/horalis3_dist.cmake)
horalis3_dist_zip()
add_test(NAME dist3_zip
         COMMAND ${CMAKE_SOURCE_DIR}/tests/dist/unpacked_zip3.sh ${HORALIS3_ZIP} x64
                 ${PROJECT_VERSION} ${CMAKE_OBJDUMP} pei-x86-64)

# The core's tests that need no plugin around it (the others start the
# 1.60 plugin, which stays 32-bit).
set(date_core_tests civil_date date_blocks date_text_years date_text_wide local_time time_zones)
list(TRANSFORM date_core_tests PREPEND ${CMAKE_SOURCE_DIR}/tests/datetext/)
list(TRANSFORM date_core_tests APPEND _test.cpp)
horalis_test(date_core_tests SOURCES ${date_core_tests} LIBRARIES date_core)
target_include_directories(date_core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
# The zone is the process's from its start: the years and the local zone's
# arithmetic once east of UTC and once south with daylight time.
foreach(zone IST-5:30 ACST-9:30ACDT,M10.1.0,M4.1.0/3)
  string(MAKE_C_IDENTIFIER ${zone} zone_name)
  add_test(NAME date_core_years_${zone_name}
           COMMAND date_core_tests --gtest_color=no
                   --gtest_filter=DateTextYears.*:LocalTime.GivenMoments*)
  set_tests_properties(date_core_years_${zone_name} PROPERTIES FIXTURES_REQUIRED wine
                       RESOURCE_LOCK wine_clipboard
                       ENVIRONMENT "TZ=${zone};HORALIS_WINEPREFIX=${HORALIS_WINEPREFIX}")
endforeach()

# The host stand-in for 64-bit 3.x plugins (it loads no other kind), the
# tests' 3.x probe plugin, and their runs end to end under 64-bit Wine.
add_subdirectory(${CMAKE_SOURCE_DIR}/hoststandin ${CMAKE_BINARY_DIR}/hoststandin)
add_subdirectory(${CMAKE_SOURCE_DIR}/tests/hoststandin/face3 ${CMAKE_BINARY_DIR}/tests/hoststandin/face3)
include(${CMAKE_SOURCE_DIR}/tests/e2e/face3_e2e.cmake)
include(${CMAKE_SOURCE_DIR}/tests/e2e/horalis3_e2e.cmake)

add_test(NAME win64_imports
         COMMAND ${CMAKE_SOURCE_DIR}/tests/dist/check_imports.sh ${CMAKE_OBJDUMP} pei-x86-64
                 $<TARGET_FILE:far3_layout_tests> $<TARGET_FILE:date_core_tests>)
