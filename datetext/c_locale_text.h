/* The English names, AM and PM marks and layouts of the C locale, as the
   Windows runtime writes them there; the same whatever locale any module
   of the process has set. */
#ifndef HORALIS_DATETEXT_C_LOCALE_TEXT_H
#define HORALIS_DATETEXT_C_LOCALE_TEXT_H

#include <time.h>

#include <windows.h>

/* The text of `conversion` ("aAbBpcxX"; `alternate` for the long date of
   %#c and %#x) for `record`, whose fields are in range. Returns the length
   written into text (always terminated); -1 when the letter has no text
   here or it does not fit. */
int CLocaleText(char conversion, int alternate, const struct tm *record, WCHAR *text, int size);

#endif
