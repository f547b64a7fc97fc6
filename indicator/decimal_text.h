/* Numbers typed as decimal text, read the way atoi reads them. */
#ifndef HORALIS_INDICATOR_DECIMAL_TEXT_H
#define HORALIS_INDICATOR_DECIMAL_TEXT_H

#include <windows.h>

/* Leading blanks, an optional sign, then digits up to the first other
   character; no digits read as 0, null as 0. A number below -2147483648 or
   above 4294967295 is cut to that bound, so a stored 32-bit value shown
   signed or unsigned reads back as the same 32 bits. */
DWORD ReadDecimalText(const char *text);

#endif
