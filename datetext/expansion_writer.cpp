// The texts of each code page made from one expansion.
#include <string.h>

#include "datetext/date_expansion.h"
#include "datetext/locale_names.h"

static int IsHighSurrogate(WCHAR c) { return c >= 0xD800 && c < 0xDC00; }

// Appends `count` characters in codePage after `used` bytes, as many whole
// characters as fit before the terminator; returns the new length.
static int AppendConverted(UINT codePage, const WCHAR *wide, int count, char *text, int size,
                           int used) {
  int room = size - 1 - used;
  int whole = count > 0 && room > 0
                  ? WideCharToMultiByte(codePage, 0, wide, count, text + used, room, NULL, NULL)
                  : 0;
  if (whole > 0)
    used += whole;
  // Too long: character by character, a double-byte one or a surrogate
  // pair whole or not at all.
  for (int i = 0; whole <= 0 && i < count;) {
    int width = IsHighSurrogate(wide[i]) && i + 1 < count ? 2 : 1;
    char bytes[8];
    int length = WideCharToMultiByte(codePage, 0, wide + i, width, bytes, sizeof bytes, NULL, NULL);
    if (length <= 0 || length > size - 1 - used)
      break;
    memcpy(text + used, bytes, (size_t)length);
    used += length;
    i += width;
  }
  text[used] = 0;
  return used;
}

// The languages met in one text and whether the code page fits each,
// asked once per text.
enum { LANGUAGES_NOTED = 8 };
struct Fitting {
  int Count;
  LCID Language[LANGUAGES_NOTED];
  int Fits[LANGUAGES_NOTED];
};

static int LanguageFits(struct Fitting *fitting, LCID language, UINT codePage) {
  for (int i = 0; i < fitting->Count; i++)
    if (fitting->Language[i] == language)
      return fitting->Fits[i];
  int fits = LanguageFitsCodePage(language, codePage);
  if (fitting->Count < LANGUAGES_NOTED) {
    fitting->Language[fitting->Count] = language;
    fitting->Fits[fitting->Count++] = fits;
  }
  return fits;
}

// A run as the code page shows it: its own text where the code page holds
// it (a language's only where it holds all of that language's names),
// otherwise its English.
static int AppendRun(const struct DateExpansion *expansion, const struct NameRun *run,
                     UINT codePage, struct Fitting *fitting, char *text, int size, int used) {
  WCHAR own[DATE_TEXT_SIZE + 1];
  memcpy(own, expansion->Text + run->Start, run->Length * sizeof(WCHAR));
  UseLookAlikes(own, run->Length, codePage);
  if ((!run->Language || LanguageFits(fitting, run->Language, codePage)) &&
      CodePageHolds(codePage, own, run->Length))
    return AppendConverted(codePage, own, run->Length, text, size, used);
  return AppendConverted(codePage, expansion->English + run->EnglishStart, run->EnglishLength, text,
                         size, used);
}

int WriteExpansion(const struct DateExpansion *expansion, UINT codePage, char *text, int size) {
  if (!text || size <= 0)
    return 0;
  text[0] = 0;
  struct Fitting fitting;
  fitting.Count = 0;
  UINT page = ActualCodePage(codePage);
  int used = 0, at = 0;
  for (int i = 0; i <= expansion->RunCount; i++) {
    const struct NameRun *run = i < expansion->RunCount ? &expansion->Runs[i] : NULL;
    int end = run ? run->Start : expansion->Length;
    used = AppendConverted(page, expansion->Text + at, end - at, text, size, used);
    if (run)
      used = AppendRun(expansion, run, page, &fitting, text, size, used);
    at = run ? run->Start + run->Length : end;
  }
  return used;
}
