// The C runtime's text formatting where glibc's differs from msvcrt's.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

int _vsnprintf(char *buffer, size_t count, const char *format, va_list args) {
  va_list measure;
  va_copy(measure, args);
  int length = vsnprintf(NULL, 0, format, measure);
  va_end(measure);
  if (length < 0)
    return -1;
  if ((size_t)length < count)
    return vsnprintf(buffer, count, format, args);
  // As much as fits, with no terminator.
  char *whole = (char *)malloc((size_t)length + 1);
  if (!whole)
    return -1;
  vsnprintf(whole, (size_t)length + 1, format, args);
  memcpy(buffer, whole, count);
  free(whole);
  return (size_t)length == count ? length : -1;
}
