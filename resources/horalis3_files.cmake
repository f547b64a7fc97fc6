# The 3.x plugin's language and help files, made from the same sources as
# the 1.60 plugin's (English and Russian) and from the Ukrainian ones only
# the 3.x plugin ships: UTF-8 with a byte-order mark, every message and
# topic the source holds. The same files serve the x86 and the x64 plugin:
# target resources3 makes them in <out_dir>, and HORALIS3_RESOURCE_FILES
# names them for the caller.
set(HORALIS3_TEXT_SOURCES
    Eng HoralisEng.lng HoralisEng.hlf
    Rus HoralisRus.lng.utf8 HoralisRus.hlf.utf8
    Ukr HoralisUkr.lng.utf8 HoralisUkr.hlf.utf8)
set(HORALIS3_TEXT_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/utf8_with_bom.cmake)
set(HORALIS3_TEXT_DIR ${CMAKE_CURRENT_LIST_DIR})

function(horalis3_language_files out_dir)
  set(made)
  set(sources ${HORALIS3_TEXT_SOURCES})
  while(sources)
    list(POP_FRONT sources language lng hlf)
    foreach(pair "lng;${lng}" "hlf;${hlf}")
      list(GET pair 0 ext)
      list(GET pair 1 source)
      set(output ${out_dir}/Horalis3${language}.${ext})
      add_custom_command(OUTPUT ${output}
                         COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
                         COMMAND ${CMAKE_COMMAND} -DSOURCE=${HORALIS3_TEXT_DIR}/${source}
                                 -DOUTPUT=${output} -P ${HORALIS3_TEXT_SCRIPT}
                         DEPENDS ${HORALIS3_TEXT_DIR}/${source} ${HORALIS3_TEXT_SCRIPT})
      list(APPEND made ${output})
    endforeach()
  endwhile()
  add_custom_target(resources3 ALL DEPENDS ${made})
  set(HORALIS3_RESOURCE_FILES ${made} PARENT_SCOPE)
endfunction()
