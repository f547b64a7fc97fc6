/* Date text: a strftime format expanded for a moment, in a code page's
   text. */
#ifndef HORALIS_DATETEXT_DATE_TEXT_H
#define HORALIS_DATETEXT_DATE_TEXT_H

#include <time.h>

#include <windows.h>

#include "datetext/date_expansion.h"
#include "datetext/local_time.h"

/* Expands format for moment (now when null) into buffer, in the OEM code
   page; always leaves a terminated text. Returns its length in bytes, or
   DATE_OUT_OF_RANGE. */
int ExpandDateText(char *buffer, int size, const char *format, const struct tm *moment);
/* The same in codePage (CP_OEMCP, CP_ACP or a code page's number). */
int ExpandDateTextIn(char *buffer, int size, const char *format, const struct tm *moment,
                     UINT codePage);

/* The length of the conversion at `percent`, its flags, modifier and
   letter included, and through `known` whether it is one of the set (an
   expansion writes others as they stand). For the check of a format. */
int ConversionLength(const WCHAR *percent, int *known);

#endif
