#include "datetext/language_codes.h"

#include <stdlib.h>
#include <string.h>

enum { CODE_SIZE = 8 };

// What EnumSystemLocalesA is asked to find; its callback has no context.
// Searches come from the host's thread and the clock's.
static struct {
  char Language[CODE_SIZE]; // in lower case; a country's: the one found
  char Region[CODE_SIZE];   // in capitals; empty for any
  int ForCountry;
  LCID Found; // a country's: how many languages it has, up to 2
} Search;
static volatile LONG SearchLock;

// The language of a locale, or with a region asked, of one in it.
static int LocaleLanguage(LCID id, char *language) {
  char region[CODE_SIZE];
  // Windows numbers all the locales without a number of their own alike.
  return id != LOCALE_CUSTOM_UNSPECIFIED &&
         GetLocaleInfoA(id, LOCALE_SISO639LANGNAME, language, CODE_SIZE) &&
         (!Search.Region[0] || (GetLocaleInfoA(id, LOCALE_SISO3166CTRYNAME, region, CODE_SIZE) &&
                                strcmp(region, Search.Region) == 0));
}

// A language alone takes its main region, as Windows' neutral names do.
static BOOL CALLBACK MatchLocale(LPSTR text) {
  LCID id = (LCID)strtoul(text, NULL, 16);
  char language[CODE_SIZE];
  if (!LocaleLanguage(id, language))
    return TRUE;
  if (Search.ForCountry) {
    if (!Search.Found || strcmp(language, Search.Language) != 0)
      strcpy(Search.Language, language), Search.Found++;
    return Search.Found < 2;
  }
  if (strcmp(language, Search.Language) != 0)
    return TRUE;
  int main = SUBLANGID(LANGIDFROMLCID(id)) == SUBLANG_DEFAULT;
  if (!Search.Found || main)
    Search.Found = id;
  return !(main || Search.Region[0]);
}

// `length` characters in lower case, or with `upper` in capitals.
static void CopyCase(char *to, const char *from, int length, int upper) {
  for (int i = 0; i < length; i++) {
    char c = from[i];
    to[i] =
        (char)(upper ? (c >= 'a' && c <= 'z' ? c - 32 : c) : (c >= 'A' && c <= 'Z' ? c + 32 : c));
  }
  to[length] = 0;
}

// Searches every locale; a country's language goes to `found` (size
// CODE_SIZE), when it has only one.
static LCID SearchLocales(const char *language, int languageLength, const char *region,
                          int regionLength, char *found) {
  while (InterlockedCompareExchange(&SearchLock, 1, 0) != 0)
    Sleep(0);
  CopyCase(Search.Language, language, languageLength, 0);
  CopyCase(Search.Region, region, regionLength, 1);
  Search.ForCountry = found != NULL;
  Search.Found = 0;
  EnumSystemLocalesA(MatchLocale, LCID_INSTALLED);
  LCID result = Search.Found;
  if (found && result == 1)
    strcpy(found, Search.Language);
  InterlockedExchange(&SearchLock, 0);
  return result;
}

LCID FindLanguage(const char *code) {
  int length = (int)strlen(code), language = 0;
  if (!length)
    return GetUserDefaultLCID();
  while (code[language] && code[language] != '-' && code[language] != '_')
    language++;
  int region = language < length ? language + 1 : length;
  if (length >= CODE_SIZE)
    return 0;
  return SearchLocales(code, language, code + region, length - region, NULL);
}

int CountryLanguage(const char *country, int length, char *language) {
  language[0] = 0;
  if (length >= 2 && length < CODE_SIZE)
    SearchLocales("", 0, country, length, language);
  return (int)strlen(language);
}

LCID FindLanguageW(const WCHAR *code, int length) {
  char narrow[CODE_SIZE];
  if (length < 0 || length >= CODE_SIZE)
    return 0;
  for (int i = 0; i < length; i++) {
    if (!code[i] || code[i] >= 0x80)
      return 0;
    narrow[i] = (char)code[i];
  }
  narrow[length] = 0;
  return FindLanguage(narrow);
}
