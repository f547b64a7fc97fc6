/* The words of a "%{...}" block in a format. Each word sets one thing from
   where the block stands to the end of the format, or until another block
   sets it again:
     a language   "ru", "de-AT", "C" (the runtime's names); an empty block
                  is the Windows user's own;
     a zone       "@" and its name: "@Tokyo", "@UTC+5:30", "@local";
     an offset    "+N" or "-N" and a unit: s, min, h (exact durations),
                  d, w, mo, y (calendar steps). A block's offsets add up.
   A word it does not know changes nothing. A block is closed by the first
   "}" before any "%" or line break. */
#ifndef HORALIS_DATETEXT_FORMAT_BLOCKS_H
#define HORALIS_DATETEXT_FORMAT_BLOCKS_H

#include <windows.h>

/* Calendar steps (months; days) and an exact duration (seconds), each the
   exact sum of a block's words. Beyond is set by a number of more than 15
   digits or a sum past 4e18 either way: no date in the calendar's years is
   that far, so the offset gives none. */
struct DateOffset {
  long long Months;
  long long Days;
  long long Seconds;
  int Beyond;
};

struct FormatBlock {
  const WCHAR *Language; // null when the block names none
  int LanguageLength;
  const WCHAR *Zone; // the text after "@"; null when the block names none
  int ZoneLength;
  int HasOffset;
  struct DateOffset Offset;
  const WCHAR *Unknown; // the first word it does not know, or null
  int UnknownLength;
  const WCHAR *End; // just after the closing "}"
};

/* Where the block at `text` ("%{...") ends, just after its "}"; null when
   no "}" closes it before a "%", a line break or the end. */
const WCHAR *FormatBlockEnd(const WCHAR *text);

/* Reads the block at `text`, which begins "%{". Returns 0 when no "}"
   closes it: the "%{" is then text like any other. */
int ReadFormatBlock(const WCHAR *text, struct FormatBlock *block);

#endif
