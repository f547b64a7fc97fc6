#include "indicator/decimal_text.h"

static int IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

DWORD ReadDecimalText(const char *text) {
  if (!text)
    return 0;
  while (IsBlank(*text))
    text++;
  int negative = *text == '-';
  if (*text == '-' || *text == '+')
    text++;
  // Counting stops at the bound, so no digit string can overflow.
  const long long bound = negative ? 2147483648LL : 4294967295LL;
  long long magnitude = 0;
  for (; *text >= '0' && *text <= '9'; text++) {
    magnitude = magnitude * 10 + (*text - '0');
    if (magnitude > bound)
      magnitude = bound;
  }
  return (DWORD)(negative ? -magnitude : magnitude);
}
