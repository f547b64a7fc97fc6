/* The check of a format, without the host: its first fault, or its first
   silent mistake, as data. Each front end writes the line naming it from
   its own message texts. */
#ifndef HORALIS_DATETEXT_FORMAT_CHECK_H
#define HORALIS_DATETEXT_FORMAT_CHECK_H

#include <time.h>

#include <windows.h>

#include "datetext/date_expansion.h"

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

enum { LANGUAGE_CODE_SIZE = 16 };

/* What is wrong with a format. The line naming it reads: the message, and
   in quotes what it names when Named is set; for MSG_PREVIEW_LANGUAGE_MEANT
   the message is MSG_PREVIEW_UNKNOWN_LANGUAGE's, the named word, then
   MSG_PREVIEW_LANGUAGE_MEANT's text and Meant in quotes with a "?":
   'Unknown language: "ua", did you mean "uk"?'. */
struct FormatFault {
  int Message;        /* one of the MSG_PREVIEW_ numbers; 0 when sound */
  const WCHAR *Named; /* within the format checked; null when it names none */
  int NamedLength;
  WCHAR Meant[LANGUAGE_CODE_SIZE]; /* the language a country's code stands for */
};

/* The first thing wrong with format, left to right (an unclosed "%{", an
   unknown word in a block, an unknown conversion, a zone not found, a
   language Windows does not know, with the language meant where the word
   is a country's code), then its expansion for moment (now when null):
   a result out of range or over 511 characters is a fault too. When the
   format is sound, expansion holds its text (it may be null when only the
   check is wanted). Returns fault->Message. A null format is sound and
   gives no text. */
int CheckFormat(const WCHAR *format, const struct tm *moment, struct DateExpansion *expansion,
                struct FormatFault *fault);

/* The mistakes that give a plausible text, wrong without a sign of it: a
   word a block does not know, a zone or a language not found. A delivery
   or a save of such a format asks first; the others show in the text. */
int IsSilentMistake(int message);

/* The first silent mistake of format, left to right, past the faults that
   show; returns fault->Message, 0 when there is none. */
int FindSilentMistakeW(const WCHAR *format, struct FormatFault *fault);

#endif
