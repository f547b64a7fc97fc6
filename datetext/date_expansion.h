/* One expansion of a format, in Unicode, and the texts of each code page
   made from it. The format is read once and its blocks resolved once; the
   editor's OEM text, the clipboard's ANSI, OEM and Unicode texts all come
   from the one result. */
#ifndef HORALIS_DATETEXT_DATE_EXPANSION_H
#define HORALIS_DATETEXT_DATE_EXPANSION_H

#include <time.h>

#include <windows.h>

/* The longest expansion is the format's own limit. */
enum { DATE_TEXT_SIZE = 512 };

/* What the expansions return when the format puts its moment outside the
   years 1601 to 9999 (a "!" or a block's zone or offset): no text. */
enum { DATE_OUT_OF_RANGE = -1 };

/* Where a language's text (a name or a layout) or a zone's name stands in
   the expansion, with the English text that takes its place in a code page
   that cannot hold it. A zone's name (language 0) has none: it is dropped
   there. */
enum { RUN_NAME, RUN_LAYOUT, RUN_ZONE };
struct NameRun {
  WORD Start, Length;
  WORD EnglishStart, EnglishLength;
  LCID Language;
  int Kind;
};

enum { NAME_RUN_LIMIT = DATE_TEXT_SIZE, ENGLISH_POOL_SIZE = 3 * DATE_TEXT_SIZE };

/* The text keeps one character more than a delivered text holds (511),
   so that a longer one shows as such. */
struct DateExpansion {
  WCHAR Text[DATE_TEXT_SIZE + 1]; /* the text, exact and terminated */
  int Length;
  int RunCount;
  struct NameRun Runs[NAME_RUN_LIMIT];
  int EnglishUsed;
  WCHAR English[ENGLISH_POOL_SIZE];
};

/* Expands format (Unicode text; null is empty) for moment (now when
   null). The format's own text, of any script, goes into the text as it
   stands. Returns the text's length in characters, or DATE_OUT_OF_RANGE
   with an empty text. */
int ExpandDateW(struct DateExpansion *expansion, const WCHAR *format, const struct tm *moment);

/* The same from a format in the OEM code page, decoded once. */
int ExpandDate(struct DateExpansion *expansion, const char *format, const struct tm *moment);

/* A format decoded from the OEM code page into text of FORMAT_TEXT_SIZE
   characters, cut on a character's boundary; null is empty. Returns its
   length. */
enum { FORMAT_TEXT_SIZE = 2048 };
int DecodeFormat(const char *format, WCHAR *text);

/* The expansion in codePage (CP_OEMCP, CP_ACP or a number) into text of
   `size` bytes: a language's names where the code page holds them all
   (letters it lacks as their look-alikes), otherwise that language's
   English names throughout; cut on a character boundary, always
   terminated. Returns the length in bytes. */
int WriteExpansion(const struct DateExpansion *expansion, UINT codePage, char *text, int size);

#endif
