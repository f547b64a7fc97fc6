/* Date text: a strftime format expanded for a moment, and its delivery to
   the editor, the command line or the clipboard. */
#ifndef HORALIS_DATETEXT_DATE_TEXT_H
#define HORALIS_DATETEXT_DATE_TEXT_H

#include <time.h>

#include <windows.h>

#include "datetext/local_time.h"

enum { DATE_TEXT_SIZE = 80 };

extern char DateText[DATE_TEXT_SIZE];

/* Expands format for moment (now when null) into buffer; always leaves a
   terminated text. Returns the number of characters produced. */
int ExpandDateText(char *buffer, int size, const char *format, const struct tm *moment);
/* The same for text that goes out in codePage (CP_OEMCP as above, a code
   page's number, or NAMES_FOR_CLIPBOARD): the code page of the names a
   format takes in a language. */
int ExpandDateTextIn(char *buffer, int size, const char *format, const struct tm *moment,
                     UINT codePage);

/* Into the editor when target is OPEN_EDITOR, otherwise the command line. */
void InsertDateText(const char *format, int target, const struct tm *moment);

/* Delivers a format for now where the host's OpenFrom says: the editor,
   the clipboard from the viewer, the command line otherwise. */
void DeliverDateText(const char *format, int openFrom);

#ifdef __cplusplus
extern "C" {
#endif
/* Exported: puts the expansion on the clipboard. */
void __cdecl PutHoralis(const char *format, const struct tm *moment);
#ifdef __cplusplus
}
#endif

#endif
