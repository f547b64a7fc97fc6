/* Month and day names, the AM and PM marks and the short date and time
   layouts of a language Windows knows, for the conversions of a format
   that name things. A language is given by the code a format names it with
   ("ru", "de-AT"; empty for the Windows user's own), and its names are
   read from Windows once and kept. */
#ifndef HORALIS_DATETEXT_LOCALE_NAMES_H
#define HORALIS_DATETEXT_LOCALE_NAMES_H

#include <time.h>

#include <windows.h>

/* Nonzero: formats without a language of their own take the Windows
   user's. Read from the settings when the host starts the plugin. */
extern int UserLanguageForAll;

/* The text of `conversion` (any letter; only "aAbBpcxX" have one) in the
   language `code` (of `length` characters), for `record`, in Unicode, and
   through `language` the Windows language it is; `genitive` asks for the
   month's form after a day number, `flag` for the long date of %#c and %#x.
   Returns the length written into text (terminated); -1 when the language
   is unknown or "C", or the letter has no text here. */
int LanguageText(const WCHAR *code, int length, char conversion, int flag, int genitive,
                 const struct tm *record, WCHAR *text, int size, LCID *language);

/* Whether codePage (CP_OEMCP, CP_ACP or a number) holds every name of the
   language, with the look-alikes below: a language it does not is written
   in English there, all its names alike, so that no text mixes two
   languages of one word's kind. */
int LanguageFitsCodePage(LCID language, UINT codePage);

/* Each letter of text (count characters) that codePage lacks becomes its
   look-alike there, where it has one (i for the Ukrainian i under 866). */
void UseLookAlikes(WCHAR *text, int count, UINT codePage);

/* Whether codePage holds every character of text (count characters). */
int CodePageHolds(UINT codePage, const WCHAR *text, int count);

/* The code page's number for CP_ACP and CP_OEMCP. */
UINT ActualCodePage(UINT codePage);

/* LanguageText in codePage, look-alikes taken: -1 also when the language
   does not fit the code page (the caller's own English serves then). */
int LocaleText(const char *code, int length, UINT codePage, char conversion, int flag, int genitive,
               const struct tm *record, char *text, int size);

/* Changes the case of buffer's text from `start` to `end` (in codePage): all of it upper case
   (CASE_UPPER) or its first letter (CASE_CAPITAL). The text stays terminated within `size`; returns
   its new end, which is `end` when nothing could be changed. */
enum { CASE_UPPER, CASE_CAPITAL, LOCALE_TEXT_SIZE = 512 };
int ChangeCase(char *buffer, int size, int start, int end, UINT codePage, int how);

/* Frees the names kept: for the module's unload, when no thread expands. */
void ReleaseLocaleNames(void);

/* The first day of the Windows user's week: 0 Monday .. 6 Sunday. */
int UserFirstWeekday(void);

#endif
