/* The check and preview of a format, for the line a format dialog shows
   under its format. */
#ifndef HORALIS_DATETEXT_FORMAT_PREVIEW_H
#define HORALIS_DATETEXT_FORMAT_PREVIEW_H

#include <time.h>

/* The messages naming what is wrong with a format, in the language file. */
enum {
  MSG_PREVIEW_UNCLOSED_BLOCK = 170,
  MSG_PREVIEW_UNKNOWN_WORD = 171,
  MSG_PREVIEW_UNKNOWN_CONVERSION = 172,
  MSG_PREVIEW_ZONE_NOT_FOUND = 173,
  MSG_PREVIEW_OUT_OF_RANGE = 174,
  MSG_PREVIEW_TOO_LONG = 175,
  MSG_PREVIEW_UNKNOWN_LANGUAGE = 176,
  MSG_PREVIEW_LANGUAGE_MEANT = 177
};

/* The line a format dialog shows under its format: the text the format
   gives for moment (now when null), line breaks as blanks, cut to size-1;
   or the language file's message naming what is wrong (unclosed "%{",
   unknown word in a block, unknown conversion, zone not found, a language
   Windows does not know, with the language meant where the word is the
   country of one, result out of range, text over 511 characters). Returns 0 when the format is
   sound, otherwise the number of the message shown. */
int PreviewDateText(const char *format, const struct tm *moment, char *line, int size);

/* The mistakes that give a plausible text, wrong without a sign of it: a
   word a block does not know, a zone or a language not found. A delivery
   or a save of such a format asks first; the others show in the text. */
int IsSilentMistake(int message);

/* The first silent mistake of format, left to right: its message number,
   with the line naming it written as PreviewDateText writes it (line may
   be null); 0 when there is none. */
int FindSilentMistake(const char *format, char *line, int size);

#endif
