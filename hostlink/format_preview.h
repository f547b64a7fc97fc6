/* The 1.60 plugin's line under a format, in OEM text from its language
   file: the format's preview, or what is wrong with it. */
#ifndef HORALIS_HOSTLINK_FORMAT_PREVIEW_H
#define HORALIS_HOSTLINK_FORMAT_PREVIEW_H

#include <time.h>

#include "datetext/format_check.h"

/* The line a format dialog shows under its format: the text the format
   gives for moment (now when null), line breaks as blanks, cut to size-1;
   or the language file's message naming what is wrong (unclosed "%{",
   unknown word in a block, unknown conversion, zone not found, a language
   Windows does not know, with the language meant where the word is the
   country of one, result out of range, text over 511 characters). Returns 0 when the format is
   sound, otherwise the number of the message shown. */
int PreviewDateText(const char *format, const struct tm *moment, char *line, int size);

/* The first silent mistake of format, left to right: its message number,
   with the line naming it written as PreviewDateText writes it (line may
   be null); 0 when there is none. */
int FindSilentMistake(const char *format, char *line, int size);

#endif
