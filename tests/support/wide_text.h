// UTF-8 test texts as the wide text the core reads, and back, written
// here so that a test does not lean on the code under test to convert.
#ifndef HORALIS_TESTS_SUPPORT_WIDE_TEXT_H
#define HORALIS_TESTS_SUPPORT_WIDE_TEXT_H

#include <string>

#include <windows.h>

typedef std::basic_string<WCHAR> WideText;

inline WideText Wide(const char *utf8) {
  WideText text;
  for (const unsigned char *c = (const unsigned char *)utf8; *c;) {
    unsigned long code = *c++;
    int more = code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : code >= 0xC0 ? 1 : 0;
    code &= more == 3 ? 0x07 : more == 2 ? 0x0F : more == 1 ? 0x1F : 0x7F;
    for (; more > 0 && (*c & 0xC0) == 0x80; more--)
      code = code << 6 | (*c++ & 0x3F);
    if (code >= 0x10000) {
      text += (WCHAR)(0xD800 + ((code - 0x10000) >> 10));
      code = 0xDC00 + ((code - 0x10000) & 0x3FF);
    }
    text += (WCHAR)code;
  }
  return text;
}

inline std::string Utf8(const WCHAR *text, int length) {
  std::string utf8;
  for (int i = 0; i < length; i++) {
    unsigned long code = text[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < length)
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    if (code < 0x80) {
      utf8 += (char)code;
      continue;
    }
    int more = code >= 0x10000 ? 3 : code >= 0x800 ? 2 : 1;
    utf8 += (char)((more == 3 ? 0xF0 : more == 2 ? 0xE0 : 0xC0) | code >> (6 * more));
    while (more-- > 0)
      utf8 += (char)(0x80 | ((code >> (6 * more)) & 0x3F));
  }
  return utf8;
}

inline std::string Utf8(const WCHAR *text) {
  int length = 0;
  while (text[length])
    length++;
  return Utf8(text, length);
}

#endif
