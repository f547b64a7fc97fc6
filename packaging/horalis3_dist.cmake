# A zip whose top folder is `folder`, holding `members` (names in it) and
# the files of `resources` by their names; `target` builds it after `deps`.
function(horalis_zip zip folder target members resources)
  foreach(file ${resources})
    get_filename_component(name ${file} NAME)
    list(APPEND members ${name})
  endforeach()
  get_filename_component(top ${folder} NAME)
  list(TRANSFORM members PREPEND ${top}/ OUTPUT_VARIABLE entries)
  list(TRANSFORM members PREPEND ${folder}/ OUTPUT_VARIABLE inputs)
  get_filename_component(dist_parent ${folder} DIRECTORY)
  add_custom_command(OUTPUT ${zip}
                     COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
                     COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${entries}
                     WORKING_DIRECTORY ${dist_parent}
                     DEPENDS ${ARGN} ${inputs})
  add_custom_target(${target} ALL DEPENDS ${zip})
endfunction()

# The 3.x plugin's zip for one architecture: top folder Horalis3 with the
# DLL, its language and help files and its readme, named by the version
# and what it serves (Horalis-<version>-far3-x86.zip, -far3-x64.zip).
function(horalis3_dist_zip)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(HORALIS3_ARCH x64)
  else()
    set(HORALIS3_ARCH x86)
  endif()
  set(HORALIS_VERSION ${PROJECT_VERSION})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/ReadMe3.txt.in ${HORALIS3_DIST_DIR}/ReadMe.txt
                 @ONLY NEWLINE_STYLE WIN32)
  set(zip ${CMAKE_BINARY_DIR}/Horalis-${PROJECT_VERSION}-far3-${HORALIS3_ARCH}.zip)
  set(members Horalis3.dll ReadMe.txt)
  horalis_zip(${zip} ${HORALIS3_DIST_DIR} dist3 "${members}" "${HORALIS3_RESOURCE_FILES}"
              Horalis3 resources3)
  set(HORALIS3_ZIP ${zip} PARENT_SCOPE)
endfunction()
