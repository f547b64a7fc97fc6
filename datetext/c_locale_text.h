/* The English names and AM and PM marks of the C locale, and its layouts,
   as the Windows runtime writes them there; the same whatever locale any
   module of the process has set. */
#ifndef HORALIS_DATETEXT_C_LOCALE_TEXT_H
#define HORALIS_DATETEXT_C_LOCALE_TEXT_H

#include <time.h>

#include <windows.h>

/* The name of `conversion` ("aAbBp") for `record`, whose fields are in
   range. Returns the length written into text (terminated, `size` of at
   least 10); -1 when the letter has none. */
int CLocaleName(char conversion, const struct tm *record, WCHAR *text, int size);

/* The layout of %c, %x or %X (`alternate` for the long date of %#c and
   %#x) as a format of plain conversions; null for any other letter. */
const char *CLocaleLayout(char conversion, int alternate);

#endif
