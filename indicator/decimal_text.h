/* Numbers typed as decimal text, read the way atoi reads them. */
#ifndef HORALIS_INDICATOR_DECIMAL_TEXT_H
#define HORALIS_INDICATOR_DECIMAL_TEXT_H

#include <windows.h>

/* Leading blanks, an optional sign, then digits up to the first other
   character; no digits read as 0, null as 0. The magnitude, with the sign
   in *negative; one beyond 4294967295 reads as that, so no digit string
   overflows. */
DWORD ReadDecimalMagnitude(const char *text, int *negative);

/* The number cut to -2147483648..4294967295, so a stored 32-bit value
   shown signed or unsigned reads back as the same 32 bits. */
DWORD ReadDecimalText(const char *text);

/* 1 when the number lies in low..high. */
int DecimalTextWithin(const char *text, LONG low, DWORD high);

#endif
