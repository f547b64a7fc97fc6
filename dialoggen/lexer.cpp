#include "lexer.h"

namespace {

int IsBlank(int c) { return c == ' ' || c == '\t'; }

int IsWordEnd(int c) { return c == 0 || IsBlank(c) || c == '"' || c == ';'; }

int HexDigit(int c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

} // namespace

int SkipBlanks(const char *Text, int *Pos) {
  int p = *Pos;
  while (IsBlank((unsigned char)Text[p]))
    ++p;
  *Pos = p;
  return Text[p] == ';' ? 0 : (unsigned char)Text[p];
}

int ReadNumber(const char *Text, int *Pos, int *Value) {
  int p = *Pos;
  int negative = 0;
  if (Text[p] == '-' || Text[p] == '+') {
    negative = Text[p] == '-';
    ++p;
  }
  int base = 10;
  if (Text[p] == '0' && (Text[p + 1] == 'x' || Text[p + 1] == 'X')) {
    base = 16;
    p += 2;
  }
  long long magnitude = 0;
  int digits = 0;
  for (;;) {
    int d = HexDigit((unsigned char)Text[p]);
    if (d < 0 || d >= base)
      break;
    magnitude = magnitude * base + d;
    if (magnitude > 0x7FFFFFFF)
      return 0;
    ++digits;
    ++p;
  }
  if (digits == 0 || !IsWordEnd((unsigned char)Text[p]) || Text[p] == '"')
    return 0;
  *Value = (int)(negative ? -magnitude : magnitude);
  *Pos = p;
  return 1;
}

int ReadQuoted(const char *Text, int *Pos, char *Out, int Size) {
  int p = *Pos;
  if (Text[p] != '"' || Size < 1)
    return -1;
  ++p;
  int length = 0;
  for (;;) {
    int c = (unsigned char)Text[p];
    if (c == '"')
      break;
    if (c < 0x20 || c == 0x7F)
      return -1; /* the end of the line, or a control character */
    ++p;
    if (c == '\\') {
      int e = (unsigned char)Text[p];
      if (e == '"' || e == '\\') {
        c = e;
        ++p;
      } else if (e == 'x' && HexDigit((unsigned char)Text[p + 1]) >= 0 &&
                 HexDigit((unsigned char)Text[p + 2]) >= 0) {
        c = HexDigit((unsigned char)Text[p + 1]) * 16 + HexDigit((unsigned char)Text[p + 2]);
        p += 3;
        if (c == 0)
          return -1; /* a text cannot hold its own terminator */
      } else {
        return -1;
      }
    }
    if (length + 1 >= Size)
      return -1;
    Out[length++] = (char)c;
  }
  Out[length] = 0;
  *Pos = p + 1;
  return length;
}

int ReadWord(const char *Text, int *Pos, char *Out, int Size) {
  int p = *Pos;
  int length = 0;
  while (!IsWordEnd((unsigned char)Text[p])) {
    if (length + 1 >= Size)
      return -1;
    Out[length++] = Text[p++];
  }
  if (Size > 0)
    Out[length] = 0;
  *Pos = p;
  return length;
}
