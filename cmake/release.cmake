# What ships (Horalis.dll, Dialog.gen) is built for size and without C++'s
# exceptions and RTTI, which nothing in it needs. The shipped files carry no
# debug information: it is kept in the build folder, symbols/<file>.debug,
# for a debugger to load by hand. No debug link in the shipped file: its
# section would cost Horalis.dll a page of memory at load.

# For the code compiled into a shipped module (the tests link the same code).
function(horalis_shipped_code target)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
  if(WIN32)
    # Switches as compares, not tables: the tables would cost the read-only
    # data a page of its own.
    target_compile_options(${target} PRIVATE -Os -g -ffunction-sections
                                             -fno-asynchronous-unwind-tables -fno-jump-tables
                                             -fomit-frame-pointer)
    # The system runtime's printf family: MinGW's replacement would add its
    # formatting and floating-point code, a third of the module. stdio.h
    # comes first, before libstdc++'s configuration turns the replacement on.
    target_compile_definitions(${target} PRIVATE __USE_MINGW_ANSI_STDIO=0)
    target_compile_options(${target} PRIVATE -include stdio.h)
  endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/shipped_layout.cmake)
if(WIN32)
  horalis_shipped_layout(HORALIS_SHIPPED_LAYOUT)
endif()

# For a shipped module itself.
function(horalis_shipped_module target)
  if(NOT WIN32)
    return()
  endif()
  target_link_options(${target} PRIVATE -Wl,--gc-sections)
  if(HORALIS_SHIPPED_LAYOUT)
    target_link_options(${target} PRIVATE -Wl,-T,${HORALIS_SHIPPED_LAYOUT})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${HORALIS_SHIPPED_LAYOUT})
  endif()
  set(symbols ${CMAKE_BINARY_DIR}/symbols)
  set(debug_file ${symbols}/$<TARGET_FILE_NAME:${target}>.debug)
  add_custom_command(TARGET ${target} POST_BUILD
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${symbols}
                     COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${debug_file}
                     COMMAND ${CMAKE_OBJCOPY} --strip-all $<TARGET_FILE:${target}>
                     VERBATIM)
endfunction()
