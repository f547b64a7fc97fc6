#include "text_units.h"

namespace {

int Utf8 = 0;
TextConverters Converters = {nullptr, nullptr};

int IsContinuation(const char *text, int at) { return ((unsigned char)text[at] & 0xC0) == 0x80; }

/* The code point of the UTF-8 character at a byte ('?' when broken). */
int DecodeAt(const char *text, int at, int length) {
  unsigned char lead = (unsigned char)text[at];
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  int value = extra == 3 ? lead & 0x07 : extra == 2 ? lead & 0x0F : extra ? lead & 0x1F : lead;
  if (lead >= 0x80 && !extra)
    return '?';
  for (int i = 1; i <= extra; ++i) {
    if (at + i >= length || !IsContinuation(text, at + i))
      return '?';
    value = value << 6 | ((unsigned char)text[at + i] & 0x3F);
  }
  return value;
}

} // namespace

void TextSetConverters(TextConverters converters) { Converters = converters; }
void TextSetUtf8(int utf8) { Utf8 = utf8; }
int TextIsUtf8(void) { return Utf8; }

int TextStepBack(const char *text, int at) {
  if (at <= 0)
    return 0;
  --at;
  while (Utf8 && at > 0 && IsContinuation(text, at))
    --at;
  return at;
}

int TextStepForward(const char *text, int at, int length) {
  if (at >= length)
    return length;
  ++at;
  while (Utf8 && at < length && IsContinuation(text, at))
    ++at;
  return at;
}

int TextCells(const char *text, int bytes) {
  if (!Utf8)
    return bytes;
  int cells = 0;
  for (int i = 0; i < bytes; ++i)
    cells += !IsContinuation(text, i);
  return cells;
}

int TextByteOfCell(const char *text, int length, int cell) {
  int at = 0;
  for (int n = 0; n < cell && at < length; ++n)
    at = TextStepForward(text, at, length);
  return at;
}

int TextShownChar(const char *text, int at, int length) {
  if (!Utf8 || (unsigned char)text[at] < 0x80)
    return (unsigned char)text[at];
  int unicode = DecodeAt(text, at, length);
  int oem = Converters.UnicodeToOem ? Converters.UnicodeToOem(unicode) : '?';
  return oem > 0 ? oem : '?';
}

int TextTypedBytes(int oem, char *out) {
  if (!Utf8 || oem < 0x80) {
    out[0] = (char)oem;
    return 1;
  }
  int c = Converters.OemToUnicode ? Converters.OemToUnicode(oem) : '?';
  if (c < 0x80) {
    out[0] = (char)c;
    return 1;
  }
  if (c < 0x800) {
    out[0] = (char)(0xC0 | c >> 6);
    out[1] = (char)(0x80 | (c & 0x3F));
    return 2;
  }
  out[0] = (char)(0xE0 | c >> 12);
  out[1] = (char)(0x80 | (c >> 6 & 0x3F));
  out[2] = (char)(0x80 | (c & 0x3F));
  return 3;
}
