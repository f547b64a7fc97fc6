// The texts of each code page made from one expansion.
#include <string.h>

#include "datetext/c_locale_text.h"
#include "datetext/date_expansion.h"
#include "datetext/locale_names.h"

static int IsHighSurrogate(WCHAR c) { return c >= 0xD800 && c < 0xDC00; }

// The text as the code page shows it, in Unicode still: a language's
// English where the code page cannot hold it, look-alikes where it lacks a
// letter. Longer than any text a code page's buffer takes.
enum { SHOWN_SIZE = 3 * DATE_TEXT_SIZE };
struct Shown {
  WCHAR Text[SHOWN_SIZE];
  int Length;
  LCID Language; // the language of the last run, and whether it fits
  int LanguageFits;
};

static void Add(struct Shown *shown, const WCHAR *text, int count) {
  int room = SHOWN_SIZE - 1 - shown->Length;
  if (count > room) {
    count = room;
    if (count > 0 && IsHighSurrogate(text[count - 1]))
      count--;
  }
  if (count <= 0)
    return;
  memcpy(shown->Text + shown->Length, text, (size_t)count * sizeof(WCHAR));
  shown->Length += count;
}

// A run as the code page shows it: its own text where the code page holds
// it (a language's only where it holds all of that language's names; a
// name is then known to fit), otherwise its English.
static void AddRun(struct Shown *shown, const struct DateExpansion *expansion,
                   const struct NameRun *run, UINT codePage) {
  int start = shown->Length;
  // Runs of one language follow each other: asked once for them.
  if (run->Language && run->Language != shown->Language) {
    shown->Language = run->Language;
    shown->LanguageFits = LanguageFitsCodePage(run->Language, codePage);
  }
  int fits = !run->Language || shown->LanguageFits;
  if (fits)
    Add(shown, expansion->Text + run->Start, run->Length);
  if (fits && (!run->Language || shown->LanguageFits != FITS_EXACTLY))
    UseLookAlikes(shown->Text + start, shown->Length - start, codePage);
  if (fits && (run->Kind == RUN_NAME ||
               CodePageHolds(codePage, shown->Text + start, shown->Length - start)))
    return;
  shown->Length = start;
  if (run->Kind != RUN_NAME) {
    Add(shown, expansion->English + run->EnglishStart, run->EnglishLength);
    return;
  }
  struct tm field = {};
  field.tm_wday = field.tm_mon = field.tm_hour = run->Value;
  WCHAR english[16];
  int count = CLocaleName(run->Conversion, &field, english, 16);
  if (count > 0 && run->Upper)
    CharUpperBuffW(english, (DWORD)count);
  Add(shown, english, count);
}

// The text in the code page, as many whole characters as fit before the
// terminator; returns its length.
static int Convert(UINT codePage, const WCHAR *wide, int count, char *text, int size) {
  // ASCII is the same in every ANSI and OEM code page: no call needed.
  int ascii = 0;
  for (; ascii < count && ascii < size - 1 && wide[ascii] < 0x80; ascii++)
    text[ascii] = (char)wide[ascii];
  if (ascii == count || ascii == size - 1) {
    text[ascii] = 0;
    return ascii;
  }
  int used = count > 0 && size > 1
                 ? WideCharToMultiByte(codePage, 0, wide, count, text, size - 1, NULL, NULL)
                 : 0;
  if (used <= 0) {
    used = 0;
    // Too long: character by character, a double-byte one or a surrogate
    // pair whole or not at all.
    for (int i = 0; i < count;) {
      int width = IsHighSurrogate(wide[i]) && i + 1 < count ? 2 : 1;
      char bytes[8];
      int length =
          WideCharToMultiByte(codePage, 0, wide + i, width, bytes, sizeof bytes, NULL, NULL);
      if (length <= 0 || length > size - 1 - used)
        break;
      memcpy(text + used, bytes, (size_t)length);
      used += length;
      i += width;
    }
  }
  text[used] = 0;
  return used;
}

// Whether the code page shows every run as the expansion holds it: each
// language's names as they are, each other run's text whole.
static int ShownAsExpanded(const struct DateExpansion *expansion, UINT codePage) {
  LCID language = 0;
  int fits = 0;
  for (int i = 0; i < expansion->RunCount; i++) {
    const struct NameRun *run = &expansion->Runs[i];
    if (run->Language && run->Language != language) {
      language = run->Language;
      fits = LanguageFitsCodePage(language, codePage);
    }
    if ((run->Language && fits != FITS_EXACTLY) ||
        (run->Kind != RUN_NAME &&
         !CodePageHolds(codePage, expansion->Text + run->Start, run->Length)))
      return 0;
  }
  return 1;
}

int WriteExpansion(const struct DateExpansion *expansion, UINT codePage, char *text, int size) {
  if (!text || size <= 0)
    return 0;
  text[0] = 0;
  // Most texts: straight from the expansion, without a copy to mend.
  if (ShownAsExpanded(expansion, codePage))
    return Convert(codePage, expansion->Text, expansion->Length, text, size);
  struct Shown shown;
  shown.Length = 0;
  shown.Language = 0;
  int at = 0;
  for (int i = 0; i <= expansion->RunCount; i++) {
    const struct NameRun *run = i < expansion->RunCount ? &expansion->Runs[i] : NULL;
    int end = run ? run->Start : expansion->Length;
    Add(&shown, expansion->Text + at, end - at);
    if (run)
      AddRun(&shown, expansion, run, codePage);
    at = run ? run->Start + run->Length : end;
  }
  return Convert(codePage, shown.Text, shown.Length, text, size);
}
