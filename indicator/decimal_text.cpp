#include "indicator/decimal_text.h"

static int IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

DWORD ReadDecimalMagnitude(const char *text, int *negative) {
  *negative = 0;
  if (!text)
    return 0;
  while (IsBlank(*text))
    text++;
  *negative = *text == '-';
  if (*text == '-' || *text == '+')
    text++;
  const DWORD bound = 0xFFFFFFFF;
  DWORD magnitude = 0;
  for (; *text >= '0' && *text <= '9'; text++) {
    DWORD digit = (DWORD)(*text - '0');
    magnitude = magnitude > (bound - digit) / 10 ? bound : magnitude * 10 + digit;
  }
  return magnitude;
}

DWORD ReadDecimalText(const char *text) {
  int negative;
  DWORD magnitude = ReadDecimalMagnitude(text, &negative);
  if (!negative)
    return magnitude;
  return 0 - (magnitude > 0x80000000 ? 0x80000000 : magnitude);
}

int DecimalTextWithin(const char *text, LONG low, DWORD high) {
  int negative;
  DWORD magnitude = ReadDecimalMagnitude(text, &negative);
  if (negative)
    return magnitude == 0 || (low < 0 && magnitude <= 0 - (DWORD)low);
  return magnitude >= (DWORD)(low > 0 ? low : 0) && magnitude <= high;
}
