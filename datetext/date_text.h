/* Date text: a strftime format expanded for a moment, and its delivery to
   the editor, the command line or the clipboard. */
#ifndef HORALIS_DATETEXT_DATE_TEXT_H
#define HORALIS_DATETEXT_DATE_TEXT_H

#include <time.h>

#include <windows.h>

#include "datetext/local_time.h"

/* The longest expansion is the format's own limit. */
enum { DATE_TEXT_SIZE = 512 };

/* Messages of the deliveries in the language file. */
enum {
  MSG_FORMAT_EMPTY = 131,
  MSG_EDITOR_READ_ONLY = 132,
  MSG_ON_CLIPBOARD = 133,
  MSG_TEXT_EMPTY = 134 /* a format that gives no text */
};

extern char DateText[DATE_TEXT_SIZE];

/* What the expansions return when the format puts its moment outside the
   years 1601 to 9999 (a "!" or a block's zone or offset): no text. */
enum { DATE_OUT_OF_RANGE = -1 };

/* Expands format for moment (now when null) into buffer; always leaves a
   terminated text. Returns the number of characters produced, or
   DATE_OUT_OF_RANGE. */
int ExpandDateText(char *buffer, int size, const char *format, const struct tm *moment);
/* The same for text that goes out in codePage (CP_OEMCP as above, a code
   page's number, or NAMES_FOR_CLIPBOARD): the code page of the names a
   format takes in a language. */
int ExpandDateTextIn(char *buffer, int size, const char *format, const struct tm *moment,
                     UINT codePage);

/* The clipboard's two texts of one moment: `text` as ExpandDateTextIn gives
   it for NAMES_FOR_CLIPBOARD, and `wide` the same in Unicode, every name of
   a language whole and the format's own text decoded from the OEM code
   page; both always terminated. Returns the length of `text`. */
int ExpandClipboardTexts(char *text, int size, WCHAR *wide, int wideSize, const char *format,
                         const struct tm *moment);

/* The length of the conversion at `percent`, its flags, modifier and
   letter included, and through `known` whether it is one of the set (an
   expansion writes others as they stand). For the check of a format. */
int ConversionLength(const char *percent, int *known);

/* Into the editor when target is OPEN_EDITOR, otherwise the command line.
   A "\n" breaks the line in the editor and is a blank on the command line;
   an editor that refuses the text (read-only) gets a message saying so.
   0 when the editor refused it. */
int InsertDateText(const char *format, int target, const struct tm *moment);

/* The clipboard delivery of the plugin's own menus: as PutHoralis, but an
   empty text leaves the clipboard as it was. 1 when the text was put. */
int PutDateText(const char *format, const struct tm *moment);

#ifdef __cplusplus
extern "C" {
#endif
/* Exported: puts the expansion on the clipboard, its line breaks as CR LF.
   Nonzero when the text reached the clipboard. */
int __cdecl PutHoralis(const char *format, const struct tm *moment);
#ifdef __cplusplus
}
#endif

#endif
