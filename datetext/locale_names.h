/* Month and day names, the AM and PM marks and the short date and time
   layouts of a language Windows knows, for the conversions of a format
   that name things. A language is given by the code a format names it with
   ("ru", "de-AT"; empty for the Windows user's own), and its names are
   read from Windows once and kept. */
#ifndef HORALIS_DATETEXT_LOCALE_NAMES_H
#define HORALIS_DATETEXT_LOCALE_NAMES_H

#include <time.h>

#include <windows.h>

/* Text in the OEM code page that goes on to the clipboard as ANSI: a name
   is taken only when both code pages hold it. CP_UTF8 holds every name. */
enum { NAMES_FOR_CLIPBOARD = CP_ACP };

/* Nonzero: formats without a language of their own take the Windows
   user's. Read from the settings when the host starts the plugin. */
extern int UserLanguageForAll;

/* The text of `conversion` (any letter; only "aAbBpcxX" have one) in the language `code` (of
   `length` characters), for `record`, in `codePage` (CP_OEMCP, a code
   page's number, or NAMES_FOR_CLIPBOARD); `genitive` asks for the month's
   form after a day number, `flag` for the long date of %#c and %#x.
   A letter the code page lacks becomes the nearest one it has, where there
   is one; a language with a name the code page cannot hold so is the
   runtime's, all its names alike.
   Returns the length written into text; -1 when the language is unknown
   or "C", the letter has no text here, or the code page cannot hold
   the text: the runtime's then. */
int LocaleText(const char *code, int length, UINT codePage, char conversion, int flag, int genitive,
               const struct tm *record, char *text, int size);

/* Changes the case of buffer's text from `start` to `end` (in codePage, as
   for LocaleText): all of it upper case (CASE_UPPER) or its first letter
   (CASE_CAPITAL). The text stays terminated within `size`; returns its new
   end, which is `end` when nothing could be changed. */
enum { CASE_UPPER, CASE_CAPITAL, LOCALE_TEXT_SIZE = 512 };
int ChangeCase(char *buffer, int size, int start, int end, UINT codePage, int how);

/* Frees the names kept: for the module's unload, when no thread expands. */
void ReleaseLocaleNames(void);

/* The first day of the Windows user's week: 0 Monday .. 6 Sunday. */
int UserFirstWeekday(void);

#endif
