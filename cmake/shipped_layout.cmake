# The section layout of a shipped module: the linker's own script with the
# unwind tables moved into the read-only data and the runtime's start-up
# tables and thread-local template into the data, so that each takes no
# memory page of its own. A
# linker whose script differs keeps its own layout (the dist check then
# shows what the modules cost).
#   horalis_shipped_layout(<variable>): the script's path, or "" when unchanged.
function(horalis_shipped_layout result)
  set(${result} "" PARENT_SCOPE)
  execute_process(COMMAND ${CMAKE_LINKER} --verbose OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  set(rule "==================================================\n")
  string(FIND "${text}" "${rule}" first)
  string(FIND "${text}" "${rule}" last REVERSE)
  if(failed OR first EQUAL -1 OR last LESS_EQUAL first)
    message(WARNING "the linker shows no default script; shipped modules keep its layout")
    return()
  endif()
  string(LENGTH "${rule}" length)
  math(EXPR start "${first} + ${length}")
  math(EXPR count "${last} - ${start}")
  string(SUBSTRING "${text}" ${start} ${count} script)

  set(unwind "  .eh_frame BLOCK(__section_alignment__) :\n  {\n    KEEP(*(.eh_frame*))\n  }\n")
  set(startup_head "  .CRT BLOCK(__section_alignment__) :\n  {\n")
  set(data_tail "    *(.data_cygwin_nocopy)\n")
  set(tls_head "  .tls BLOCK(__section_alignment__) :\n  {\n")
  set(data_head "  .data BLOCK(__section_alignment__) :\n  {\n")
  string(FIND "${script}" "${unwind}" at_unwind)
  string(FIND "${script}" "${startup_head}" at_startup)
  string(FIND "${script}" "${data_tail}" at_data_tail)
  if(at_unwind EQUAL -1 OR at_startup EQUAL -1 OR at_data_tail EQUAL -1)
    message(WARNING "the linker's default script is not the one expected; shipped modules keep its layout")
    return()
  endif()

  string(REPLACE "${unwind}" "" script "${script}")
  string(REGEX REPLACE "(\\*\\(SORT\\(\\.rdata\\$\\*\\)\\)\n)" "\\1    KEEP (*(.eh_frame*))\n"
                       script "${script}")
  # The start-up tables' block, moved whole to the end of the data.
  string(FIND "${script}" "${startup_head}" at_startup)
  string(LENGTH "${startup_head}" head_length)
  math(EXPR inner_start "${at_startup} + ${head_length}")
  string(SUBSTRING "${script}" ${inner_start} -1 rest)
  string(FIND "${rest}" "  }\n" inner_length)
  string(SUBSTRING "${rest}" 0 ${inner_length} startup)
  math(EXPR block_length "${head_length} + ${inner_length} + 4")
  string(SUBSTRING "${script}" ${at_startup} ${block_length} block)
  string(REPLACE "${block}" "" script "${script}")
  # Tables of thread-local start-up (.CRT$XD*) joined the block by name only.
  string(REPLACE "${data_tail}" "${data_tail}${startup}    KEEP (*(SORT(.CRT$XD*)))\n"
                 script "${script}")
  # The thread-local template too, at the very start of the data, where
  # offsets from the section's start are still offsets into the template:
  # the loader finds it through the runtime's TLS directory (_tls_used),
  # not by section name.
  string(FIND "${script}" "${tls_head}" at_tls)
  if(NOT at_tls EQUAL -1)
    string(SUBSTRING "${script}" ${at_tls} -1 rest)
    string(FIND "${rest}" "  }\n" tls_length)
    math(EXPR tls_length "${tls_length} + 4")
    string(SUBSTRING "${script}" ${at_tls} ${tls_length} tls_block)
    string(LENGTH "${tls_head}" head_length)
    math(EXPR inner_length "${tls_length} - ${head_length} - 4")
    string(SUBSTRING "${tls_block}" ${head_length} ${inner_length} tls)
    string(REPLACE "${tls_block}" "" script "${script}")
    string(REPLACE "${data_head}" "${data_head}${tls}" script "${script}")
  endif()

  set(path ${CMAKE_BINARY_DIR}/shipped_module.ld)
  # Written only when it changes, so a reconfigure relinks nothing.
  file(CONFIGURE OUTPUT ${path} CONTENT "${script}" @ONLY)
  set(${result} ${path} PARENT_SCOPE)
endfunction()
