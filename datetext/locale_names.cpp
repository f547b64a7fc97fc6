#include "datetext/locale_names.h"

#include <stdlib.h>
#include <string.h>

#include "datetext/language_codes.h"

int UserLanguageForAll;

// A language's names, in tm_wday and tm_mon order; the genitive months are
// the forms Windows' own dates take after a day number.
enum {
  DAY_SHORT = 0,
  DAY_LONG = 7,
  MONTH_SHORT = 14,
  MONTH_LONG = 26,
  GENITIVE_SHORT = 38,
  GENITIVE_LONG = 50,
  AM_MARK = 62,
  NAME_COUNT = 64
};

enum { CODE_SIZE = 16, POOL_SIZE = 2048, SLOT_COUNT = 4, WIDE_NAME_SIZE = 64 };

// One language's names in one code page, packed; an empty name is one
// Windows lacks.
struct NameSlot {
  char Code[CODE_SIZE]; // as the format gave it, in lower case
  UINT CodePage;
  LCID Language; // 0: unknown, or a name the code page cannot hold: the runtime's names
  WORD Start[NAME_COUNT + 1];
  char Pool[POOL_SIZE];
};

// Few slots, reused in turn, so that any number of languages keeps the
// memory taken; each is allocated when first needed and kept.
static struct NameSlot *Slots[SLOT_COUNT];
static int NextSlot;
// The slots are shared with the clock's thread.
static volatile LONG NamesLock;

// Letters some code pages lack where Windows knows no nearer one: і and ґ
// as Ukrainian and Belarusian users of code page 866 write them, and the
// apostrophe and narrow blank of Windows' own names and dates.
static const WCHAR LookAlikes[][2] = {{0x0456, 'i'},    {0x0406, 'I'},  {0x0491, 0x0433},
                                      {0x0490, 0x0413}, {0x02BC, '\''}, {0x2019, '\''},
                                      {0x202F, ' '}};

// The length written; -1 when a character has no letter in the code page.
static int Convert(const WCHAR *wide, UINT codePage, char *text, int size) {
  BOOL lost = FALSE;
  int count = WideCharToMultiByte(codePage, 0, wide, -1, text, size, NULL,
                                  codePage == CP_UTF8 ? NULL : &lost);
  return count > 0 && !lost ? count - 1 : -1;
}

// The text in the code page, with the nearest letters Windows' best fit
// or our look-alikes give; -1 when a letter has none, rather than a text
// with question marks.
static int ToCodePage(const WCHAR *wide, UINT codePage, char *text, int size) {
  UINT target = codePage == NAMES_FOR_CLIPBOARD ? CP_OEMCP : codePage;
  int count = Convert(wide, target, text, size);
  WCHAR nearest[2 * WIDE_NAME_SIZE];
  if (count < 0 && target != CP_UTF8) {
    int i = 0;
    for (; wide[i] && i < 2 * WIDE_NAME_SIZE - 1; i++) {
      nearest[i] = wide[i];
      for (const WCHAR *pair : LookAlikes)
        nearest[i] = nearest[i] == pair[0] ? pair[1] : nearest[i];
    }
    nearest[i] = 0;
    count = Convert(wide = nearest, target, text, size);
  }
  // The OEM text goes on to the clipboard as ANSI.
  if (count >= 0 && codePage == NAMES_FOR_CLIPBOARD && Convert(wide, CP_ACP, NULL, 0) < 0)
    return -1;
  return count;
}

// A genitive month is what Windows writes after a day number: the day and
// the blank of "1 MMMM" are dropped, and nothing else, so a month whose name
// holds its number keeps it. Where Windows writes it otherwise the month's
// own name serves.
static int ReadGenitive(LCID language, int index, WCHAR *name) {
  int month = (index - GENITIVE_SHORT) % 12;
  int isLong = index >= GENITIVE_LONG;
  SYSTEMTIME first = {2000, (WORD)(month + 1), 0, 1, 0, 0, 0, 0};
  WCHAR picture[] = {'d', ' ', 'M', 'M', 'M', (WCHAR)(isLong ? 'M' : 0), 0};
  WCHAR written[WIDE_NAME_SIZE + 4];
  if (!GetDateFormatW(language, 0, &first, picture, written, WIDE_NAME_SIZE + 4) ||
      written[0] != '1' || written[1] != ' ')
    return GetLocaleInfoW(language,
                          (isLong ? LOCALE_SMONTHNAME1 : LOCALE_SABBREVMONTHNAME1) + month, name,
                          WIDE_NAME_SIZE);
  int length = 0;
  while (length < WIDE_NAME_SIZE - 1 && (name[length] = written[2 + length]) != 0)
    length++;
  name[length] = 0;
  return length;
}

static int ReadWideName(LCID language, int index, WCHAR *name) {
  if (index >= GENITIVE_SHORT && index < AM_MARK)
    return ReadGenitive(language, index, name);
  // Windows counts the days from Monday, the runtime from Sunday.
  LCTYPE type = index < DAY_LONG         ? LOCALE_SABBREVDAYNAME1 + (index + 6) % 7
                : index < MONTH_SHORT    ? LOCALE_SDAYNAME1 + (index - DAY_LONG + 6) % 7
                : index < MONTH_LONG     ? LOCALE_SABBREVMONTHNAME1 + index - MONTH_SHORT
                : index < GENITIVE_SHORT ? LOCALE_SMONTHNAME1 + index - MONTH_LONG
                                         : LOCALE_S1159 + index - AM_MARK;
  return GetLocaleInfoW(language, type, name, WIDE_NAME_SIZE);
}

// All of a language's names, or none: one the code page cannot hold
// leaves the whole language to the runtime's names, so that a text never
// mixes two languages.
static void FillSlot(struct NameSlot *slot) {
  int used = 0;
  for (int index = 0; index < NAME_COUNT; index++) {
    slot->Start[index] = (WORD)used;
    WCHAR name[WIDE_NAME_SIZE];
    if (!slot->Language || !ReadWideName(slot->Language, index, name))
      continue;
    int count = ToCodePage(name, slot->CodePage, slot->Pool + used, POOL_SIZE - used);
    if (count < 0)
      slot->Language = 0;
    used += count < 0 ? 0 : count;
  }
  slot->Start[NAME_COUNT] = (WORD)used;
}

static struct NameSlot *SlotFor(const char *code, UINT codePage) {
  for (struct NameSlot *slot : Slots)
    if (slot && slot->CodePage == codePage && strcmp(slot->Code, code) == 0)
      return slot;
  struct NameSlot **place = &Slots[NextSlot];
  NextSlot = (NextSlot + 1) % SLOT_COUNT;
  if (!*place)
    *place = (struct NameSlot *)GlobalAlloc(GMEM_FIXED, sizeof(struct NameSlot));
  struct NameSlot *slot = *place;
  if (slot) {
    strcpy(slot->Code, code);
    slot->CodePage = codePage;
    slot->Language = FindLanguage(code);
    FillSlot(slot);
  }
  return slot;
}

static int NameIndex(char conversion, int genitive, const struct tm *record) {
  if (conversion == 'a' || conversion == 'A')
    return (conversion == 'a' ? DAY_SHORT : DAY_LONG) + record->tm_wday;
  if (conversion == 'p')
    return AM_MARK + (record->tm_hour >= 12);
  int first = conversion == 'b' ? MONTH_SHORT : MONTH_LONG;
  return first + (genitive ? GENITIVE_SHORT - MONTH_SHORT : 0) + record->tm_mon;
}

static int CopyName(const struct NameSlot *slot, int index, char *text, int size) {
  int count = slot->Start[index + 1] - slot->Start[index];
  if (count == 0)
    return -1;
  if (count >= size)
    count = size - 1;
  memcpy(text, slot->Pool + slot->Start[index], (size_t)count);
  text[count] = 0;
  return count;
}

// Windows' own short date and time (its long date for %#c and %#x), joined
// by a space for %c.
static int LayoutText(LCID language, UINT codePage, char conversion, int flag,
                      const struct tm *record, char *text, int size) {
  SYSTEMTIME moment = {(WORD)(record->tm_year + 1900), (WORD)(record->tm_mon + 1),
                       (WORD)record->tm_wday,          (WORD)record->tm_mday,
                       (WORD)record->tm_hour,          (WORD)record->tm_min,
                       (WORD)record->tm_sec,           0};
  WCHAR wide[2 * WIDE_NAME_SIZE];
  int used = 0;
  DWORD dateLayout = flag ? DATE_LONGDATE : DATE_SHORTDATE;
  if (conversion != 'X' &&
      !(used = GetDateFormatW(language, dateLayout, &moment, NULL, wide, WIDE_NAME_SIZE)))
    return -1;
  if (conversion == 'c')
    wide[used - 1] = ' ';
  if (conversion != 'x' &&
      !GetTimeFormatW(language, 0, &moment, NULL, wide + used, 2 * WIDE_NAME_SIZE - used))
    return -1;
  int count = ToCodePage(wide, codePage, text, size);
  return count > 0 ? count : -1;
}

int ChangeCase(char *buffer, int size, int start, int end, UINT codePage, int how) {
  UINT page = codePage == NAMES_FOR_CLIPBOARD ? CP_OEMCP : codePage;
  WCHAR wide[LOCALE_TEXT_SIZE];
  char text[LOCALE_TEXT_SIZE];
  int count = end > start ? MultiByteToWideChar(page, 0, buffer + start, end - start, wide,
                                                LOCALE_TEXT_SIZE)
                          : 0;
  if (count <= 0)
    return end;
  CharUpperBuffW(wide, how == CASE_UPPER ? (DWORD)count : 1);
  BOOL lost = FALSE;
  int length = WideCharToMultiByte(page, 0, wide, count, text, LOCALE_TEXT_SIZE, NULL,
                                   page == CP_UTF8 ? NULL : &lost);
  // A letter whose capital the code page lacks keeps the text as it was.
  if (length <= 0 || lost)
    return end;
  if (length > size - 1 - start)
    length = size - 1 - start;
  memcpy(buffer + start, text, (size_t)length);
  buffer[start + length] = 0;
  return start + length;
}

int LocaleText(const char *code, int length, UINT codePage, char conversion, int flag, int genitive,
               const struct tm *record, char *text, int size) {
  // The layouts first, then the names.
  static const char Conversions[] = "cxXaAbBp";
  const char *named = conversion ? strchr(Conversions, conversion) : NULL;
  char key[CODE_SIZE];
  if (!named || length < 0 || length >= CODE_SIZE || size <= 0)
    return -1;
  for (int i = 0; i < length; i++)
    key[i] = (char)(code[i] >= 'A' && code[i] <= 'Z' ? code[i] + 32 : code[i]);
  key[length] = 0;
  while (InterlockedCompareExchange(&NamesLock, 1, 0) != 0)
    Sleep(0);
  struct NameSlot *slot = SlotFor(key, codePage);
  int count = -1;
  if (slot && slot->Language) {
    if (named - Conversions < 3)
      count = LayoutText(slot->Language, codePage, conversion, flag, record, text, size);
    else
      count = CopyName(slot, NameIndex(conversion, genitive, record), text, size);
  }
  InterlockedExchange(&NamesLock, 0);
  return count;
}

void ReleaseLocaleNames(void) {
  while (InterlockedCompareExchange(&NamesLock, 1, 0) != 0)
    Sleep(0);
  for (struct NameSlot *&slot : Slots) {
    if (slot)
      GlobalFree(slot);
    slot = NULL;
  }
  InterlockedExchange(&NamesLock, 0);
}

int UserFirstWeekday(void) {
  char text[4];
  if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, text, sizeof text) ||
      text[0] < '0' || text[0] > '6')
    return 0;
  return text[0] - '0';
}
