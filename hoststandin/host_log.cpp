#include "host_log.h"

#include <stdarg.h>
#include <stdio.h>

namespace {
FILE *LogFile = nullptr;
}

int HostLogOpen(const char *path) {
  if (!path)
    return 1;
  LogFile = fopen(path, "wb");
  return LogFile != nullptr;
}

void HostLogClose(void) {
  if (LogFile)
    fclose(LogFile);
  LogFile = nullptr;
}

void HostLog(const char *format, ...) {
  if (!LogFile)
    return;
  va_list args;
  va_start(args, format);
  vfprintf(LogFile, format, args);
  va_end(args);
  fputc('\n', LogFile);
  fflush(LogFile);
}

void QuoteForLog(const char *text, int maxLength, char *out, int size) {
  if (size <= 0)
    return;
  int n = 0;
  if (!text) {
    snprintf(out, size, "(null)");
    return;
  }
  if (maxLength > 200)
    maxLength = 200;
  out[n++] = '"';
  for (int i = 0; i < maxLength && text[i] && n < size - 6; ++i) {
    unsigned char ch = (unsigned char)text[i];
    if (ch < 32 || ch == '"' || ch == '\\')
      n += snprintf(out + n, size - n, "\\x%02X", ch);
    else
      out[n++] = (char)ch;
  }
  if (n < size - 1)
    out[n++] = '"';
  out[n] = 0;
}
