# Writes a language or help file as the 3.x host reads it: the UTF-8 text
# of its source with a byte-order mark in front (one mark, whether or not
# the source has its own), refusing a source that does not start with the
# ".Language=" header the host looks for first.
#   cmake -DSOURCE=<text in UTF-8> -DOUTPUT=<file> -P utf8_with_bom.cmake
string(ASCII 239 187 191 bom)
file(READ "${SOURCE}" text)
string(FIND "${text}" "${bom}" mark)
if(mark EQUAL 0)
  string(LENGTH "${bom}" mark_length)
  string(SUBSTRING "${text}" ${mark_length} -1 text)
endif()
string(FIND "${text}" ".Language=" header)
if(NOT header EQUAL 0)
  message(FATAL_ERROR "${SOURCE}: the first line is not a .Language= header")
endif()
file(WRITE "${OUTPUT}" "${bom}${text}")
