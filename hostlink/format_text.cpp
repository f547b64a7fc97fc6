#include "hostlink/format_text.h"

#include <stdarg.h>
#include <stdio.h>
#include <windows.h>

int FormatText(char *text, int size, const char *format, ...) {
  if (size <= 0)
    return -1;
  va_list args;
  va_start(args, format);
  int length = _vsnprintf(text, (size_t)size, format, args);
  va_end(args);
  if (length >= 0 && length < size)
    return length;
  text[size - 1] = 0;
  return -1;
}
