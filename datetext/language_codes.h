/* The languages Windows knows, found by the ISO codes a format names them
   with, and the language a country's code may have been meant for. */
#ifndef HORALIS_DATETEXT_LANGUAGE_CODES_H
#define HORALIS_DATETEXT_LANGUAGE_CODES_H

#include <windows.h>

/* The locale of "ru", "ru-RU", "en_gb" (any case, at most 7 characters):
   a language alone takes its main region; the empty code is the Windows
   user's language. 0 when Windows knows none. */
LCID FindLanguage(const char *code);
/* The same for a code of `length` characters in a wide format: one with a
   character outside ASCII is none. */
LCID FindLanguageW(const WCHAR *code, int length);

/* Where `country` (an ISO 3166 code of `length` letters, any case, such as
   "ua") is the country of exactly one language Windows knows, that
   language's code ("uk") in `language`, which holds 8 characters.
   Returns its length; 0, and `language` empty, when the country has no
   language or more than one. */
int CountryLanguage(const char *country, int length, char *language);

#endif
