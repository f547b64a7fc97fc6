/* The date text of a wide format, from one expansion of the core, and
   what is wrong with it, for every delivery of the 3.x plugin. */
#ifndef HORALIS_PLUGIN3_DATE_TEXT3_H
#define HORALIS_PLUGIN3_DATE_TEXT3_H

#include <windows.h>

#include "datetext/date_expansion.h"

enum DateVerdict {
  DATE_SOUND,          /* a text, nothing wrong with the format */
  DATE_EMPTY_FORMAT,   /* nothing to expand */
  DATE_NO_TEXT,        /* the format gives no text now */
  DATE_SILENT_MISTAKE, /* a plausible text, wrong without a sign of it */
};

struct DateText3 {
  WCHAR Text[DATE_TEXT_SIZE]; /* always terminated */
  int Length;
  int Mistake;                       /* the preview's message number, or 0 */
  WCHAR MistakeLine[DATE_TEXT_SIZE]; /* what the mistake names, after its message */
};

/* Expands format (null is empty) for now into out and judges it. */
enum DateVerdict MakeDateText3(const wchar_t *format, struct DateText3 *out);

#endif
