#include "datetext/language_codes.h"

#include <stdlib.h>
#include <string.h>

enum { CODE_SIZE = 16 };

// What EnumSystemLocalesA is asked to find; its callback has no context.
// Searches come from the host's thread and the clock's.
static struct {
  char Language[CODE_SIZE];
  char Region[CODE_SIZE];
  LCID Found;
  int Languages; // for a country: how many languages it has, at most 2
} Search;
static volatile LONG SearchLock;

static void LockSearch(void) {
  while (InterlockedCompareExchange(&SearchLock, 1, 0) != 0)
    Sleep(0);
}

static void UnlockSearch(void) { InterlockedExchange(&SearchLock, 0); }

static int LocaleNameIs(LCID id, LCTYPE type, const char *expected) {
  char name[CODE_SIZE];
  return GetLocaleInfoA(id, type, name, sizeof name) && strcmp(name, expected) == 0;
}

// A locale's number; 0 for the locales Windows numbers all alike.
static LCID LocaleOf(LPSTR text) {
  LCID id = (LCID)strtoul(text, NULL, 16);
  return id == LOCALE_CUSTOM_UNSPECIFIED ? 0 : id;
}

// A language alone takes its main region, as Windows' neutral names do.
static BOOL CALLBACK MatchLocale(LPSTR text) {
  LCID id = LocaleOf(text);
  if (!id || !LocaleNameIs(id, LOCALE_SISO639LANGNAME, Search.Language))
    return TRUE;
  if (Search.Region[0] && !LocaleNameIs(id, LOCALE_SISO3166CTRYNAME, Search.Region))
    return TRUE;
  int main = SUBLANGID(LANGIDFROMLCID(id)) == SUBLANG_DEFAULT;
  if (!Search.Found || main)
    Search.Found = id;
  return !(main || Search.Region[0]);
}

static void CopyUpper(char *to, const char *from, int length) {
  for (int i = 0; i < length; i++)
    to[i] = (char)(from[i] >= 'a' && from[i] <= 'z' ? from[i] - 32 : from[i]);
  to[length] = 0;
}

LCID FindLanguage(const char *code) {
  if (!code[0])
    return GetUserDefaultLCID();
  int length = 0;
  while (code[length] && code[length] != '-' && code[length] != '_')
    length++;
  const char *region = code[length] ? code + length + 1 : "";
  if (length >= CODE_SIZE || strlen(region) >= CODE_SIZE)
    return 0;
  LockSearch();
  memcpy(Search.Language, code, (size_t)length);
  Search.Language[length] = 0;
  CopyUpper(Search.Region, region, (int)strlen(region));
  Search.Found = 0;
  EnumSystemLocalesA(MatchLocale, LCID_INSTALLED);
  LCID found = Search.Found;
  UnlockSearch();
  return found;
}

// Counts the languages of the country asked, keeping the first.
static BOOL CALLBACK MatchCountry(LPSTR text) {
  LCID id = LocaleOf(text);
  char language[CODE_SIZE];
  if (!id || !LocaleNameIs(id, LOCALE_SISO3166CTRYNAME, Search.Region) ||
      !GetLocaleInfoA(id, LOCALE_SISO639LANGNAME, language, sizeof language) ||
      (Search.Languages && strcmp(language, Search.Language) == 0))
    return TRUE;
  strcpy(Search.Language, language);
  return ++Search.Languages < 2;
}

int CountryLanguage(const char *country, int length, char *language, int size) {
  if (length < 2 || length >= CODE_SIZE || size <= 0)
    return 0;
  LockSearch();
  CopyUpper(Search.Region, country, length);
  Search.Language[0] = 0;
  Search.Languages = 0;
  EnumSystemLocalesA(MatchCountry, LCID_INSTALLED);
  int found = Search.Languages == 1 ? (int)strlen(Search.Language) : 0;
  if (found && found < size)
    memcpy(language, Search.Language, (size_t)found + 1);
  UnlockSearch();
  return found < size ? found : 0;
}
