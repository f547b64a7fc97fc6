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

enum { CODE_SIZE = 16, POOL_SIZE = 2048, SLOT_COUNT = 4, WIDE_NAME_SIZE = 64, FITS_KEPT = 4 };

// One language's names in Unicode, packed; an empty name is one Windows
// lacks.
struct NameSlot {
  char Code[CODE_SIZE]; // as the format gave it, in lower case
  LCID Language;        // 0: unknown
  // The code pages asked whether they hold every name, and the answers.
  UINT FitPage[FITS_KEPT];
  int Fits[FITS_KEPT];
  int NextFit;
  WORD Start[NAME_COUNT + 1];
  WCHAR Pool[POOL_SIZE];
};

// Few slots, reused in turn, so that any number of languages keeps the
// memory taken; each is allocated when first needed and kept.
static struct NameSlot *Slots[SLOT_COUNT];
static int NextSlot;
// The slots are shared with the clock's thread.
static volatile LONG NamesLock;

// Letters some code pages lack where Windows knows no nearer one: і and ґ
// as Ukrainian and Belarusian users of code page 866 write them, ΐ and ΰ
// as Greek users of 737 (whose "Μαΐου" would otherwise leave Greek out),
// and the apostrophe and narrow blank of Windows' own names and dates.
static WCHAR LookAlikeOf(WCHAR letter) {
  switch (letter) {
  case 0x0456:
    return 'i';
  case 0x0406:
    return 'I';
  case 0x0491:
    return 0x0433;
  case 0x0490:
    return 0x0413;
  case 0x0390:
    return 0x03CA;
  case 0x03B0:
    return 0x03CB;
  case 0x02BC:
  case 0x2019:
    return '\'';
  case 0x202F:
    return ' ';
  default:
    return 0;
  }
}

UINT ActualCodePage(UINT codePage) {
  return codePage == CP_ACP ? GetACP() : codePage == CP_OEMCP ? GetOEMCP() : codePage;
}

// UTF-8 and UTF-7 hold everything, and Windows refuses the used-default
// flag for them.
static int HoldsEverything(UINT codePage) {
  UINT page = ActualCodePage(codePage);
  return page == CP_UTF8 || page == CP_UTF7;
}

int CodePageHolds(UINT codePage, const WCHAR *text, int count) {
  if (count <= 0 || HoldsEverything(codePage))
    return 1;
  BOOL lost = FALSE;
  return WideCharToMultiByte(codePage, 0, text, count, NULL, 0, NULL, &lost) > 0 && !lost;
}

void UseLookAlikes(WCHAR *text, int count, UINT codePage) {
  for (int i = 0; i < count; i++) {
    WCHAR alike = LookAlikeOf(text[i]);
    if (alike && !CodePageHolds(codePage, text + i, 1))
      text[i] = alike;
  }
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

// The length of the name with its terminator, as GetLocaleInfoW counts.
static int ReadWideName(LCID language, int index, WCHAR *name) {
  if (index >= GENITIVE_SHORT && index < AM_MARK) {
    int length = ReadGenitive(language, index, name);
    return length > 0 && name[length - 1] ? length + 1 : length;
  }
  // Windows counts the days from Monday, the runtime from Sunday.
  LCTYPE type = index < DAY_LONG         ? LOCALE_SABBREVDAYNAME1 + (index + 6) % 7
                : index < MONTH_SHORT    ? LOCALE_SDAYNAME1 + (index - DAY_LONG + 6) % 7
                : index < MONTH_LONG     ? LOCALE_SABBREVMONTHNAME1 + index - MONTH_SHORT
                : index < GENITIVE_SHORT ? LOCALE_SMONTHNAME1 + index - MONTH_LONG
                                         : LOCALE_S1159 + index - AM_MARK;
  return GetLocaleInfoW(language, type, name, WIDE_NAME_SIZE);
}

// All of a language's names, as Windows gives them.
static void FillSlot(struct NameSlot *slot) {
  int used = 0;
  for (int index = 0; index < NAME_COUNT; index++) {
    slot->Start[index] = (WORD)used;
    WCHAR name[WIDE_NAME_SIZE];
    int count = slot->Language ? ReadWideName(slot->Language, index, name) - 1 : 0;
    if (count <= 0 || count > POOL_SIZE - used)
      continue;
    memcpy(slot->Pool + used, name, (size_t)count * sizeof(WCHAR));
    used += count;
  }
  slot->Start[NAME_COUNT] = (WORD)used;
}

// Codes compared here rather than by the runtime, whose calls cost under
// Wine as much as a name's whole expansion.
static int SameCode(const char *a, const char *b) {
  while (*a && *a == *b)
    a++, b++;
  return *a == *b;
}

static struct NameSlot *SlotFor(const char *code) {
  for (struct NameSlot *slot : Slots)
    if (slot && SameCode(slot->Code, code))
      return slot;
  struct NameSlot **place = &Slots[NextSlot];
  NextSlot = (NextSlot + 1) % SLOT_COUNT;
  if (!*place)
    *place = (struct NameSlot *)GlobalAlloc(GMEM_FIXED, sizeof(struct NameSlot));
  struct NameSlot *slot = *place;
  if (slot) {
    strcpy(slot->Code, code);
    slot->Language = FindLanguage(code);
    memset(slot->FitPage, 0, sizeof slot->FitPage);
    slot->NextFit = 0;
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

static int CopyName(const struct NameSlot *slot, int index, WCHAR *text, int size) {
  int count = slot->Start[index + 1] - slot->Start[index];
  if (count == 0)
    return -1;
  if (count >= size)
    count = size - 1;
  memcpy(text, slot->Pool + slot->Start[index], (size_t)count * sizeof(WCHAR));
  text[count] = 0;
  return count;
}

// Windows' own short date and time (its long date for %#c and %#x), joined
// by a space for %c.
static int LayoutText(LCID language, char conversion, int flag, const struct tm *record,
                      WCHAR *text, int size) {
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
  int timeUsed = 0;
  if (conversion != 'x' && !(timeUsed = GetTimeFormatW(language, 0, &moment, NULL, wide + used,
                                                       2 * WIDE_NAME_SIZE - used)))
    return -1;
  int count = conversion == 'x' ? used - 1 : used + timeUsed - 1;
  if (count <= 0 || count >= size)
    return -1;
  memcpy(text, wide, (size_t)count * sizeof(WCHAR));
  text[count] = 0;
  return count;
}

int ChangeCase(char *buffer, int size, int start, int end, UINT codePage, int how) {
  WCHAR wide[LOCALE_TEXT_SIZE];
  char text[LOCALE_TEXT_SIZE];
  int count = end > start ? MultiByteToWideChar(codePage, 0, buffer + start, end - start, wide,
                                                LOCALE_TEXT_SIZE)
                          : 0;
  if (count <= 0)
    return end;
  CharUpperBuffW(wide, how == CASE_UPPER ? (DWORD)count : 1);
  // A letter whose capital the code page lacks keeps the text as it was.
  if (!CodePageHolds(codePage, wide, count))
    return end;
  int length = WideCharToMultiByte(codePage, 0, wide, count, text, LOCALE_TEXT_SIZE, NULL, NULL);
  if (length <= 0)
    return end;
  if (length > size - 1 - start)
    length = size - 1 - start;
  memcpy(buffer + start, text, (size_t)length);
  buffer[start + length] = 0;
  return start + length;
}

static void LockNames(void) {
  while (InterlockedCompareExchange(&NamesLock, 1, 0) != 0)
    Sleep(0);
}

static void UnlockNames(void) { InterlockedExchange(&NamesLock, 0); }

int LanguageText(const WCHAR *code, int length, char conversion, int flag, int genitive,
                 const struct tm *record, WCHAR *text, int size, LCID *language) {
  // The layouts first, then the names.
  static const char Conversions[] = "cxXaAbBp";
  const char *named = Conversions;
  while (*named && *named != conversion)
    named++;
  char key[CODE_SIZE];
  if (!*named || !conversion || length < 0 || length >= CODE_SIZE || size <= 0)
    return -1;
  // A code is ASCII; any other character makes it none.
  for (int i = 0; i < length; i++) {
    if (code[i] >= 0x80 || !code[i])
      return -1;
    key[i] = (char)(code[i] >= 'A' && code[i] <= 'Z' ? code[i] + 32 : code[i]);
  }
  key[length] = 0;
  if (length == 1 && key[0] == 'c')
    return -1;
  LockNames();
  struct NameSlot *slot = SlotFor(key);
  int count = -1;
  *language = slot ? slot->Language : 0;
  if (slot && slot->Language) {
    if (named - Conversions < 3)
      count = LayoutText(slot->Language, conversion, flag, record, text, size);
    else
      count = CopyName(slot, NameIndex(conversion, genitive, record), text, size);
  }
  UnlockNames();
  return count;
}

// The slot that holds the language's names, if one still does.
static struct NameSlot *SlotOfLanguage(LCID language) {
  for (struct NameSlot *slot : Slots)
    if (slot && slot->Language == language)
      return slot;
  return NULL;
}

// Whether codePage holds each of the slot's names, with the look-alikes.
static int NamesFit(const struct NameSlot *slot, UINT codePage) {
  for (int index = 0; index < NAME_COUNT; index++) {
    WCHAR name[WIDE_NAME_SIZE];
    int count = slot->Start[index + 1] - slot->Start[index];
    count = count < WIDE_NAME_SIZE ? count : WIDE_NAME_SIZE;
    memcpy(name, slot->Pool + slot->Start[index], (size_t)count * sizeof(WCHAR));
    UseLookAlikes(name, count, codePage);
    if (!CodePageHolds(codePage, name, count))
      return 0;
  }
  return 1;
}

// Decided once per code page and kept with the names; a language whose
// names no slot holds any more (read by another thread meanwhile) is
// written in English.
int LanguageFitsCodePage(LCID language, UINT codePage) {
  UINT page = ActualCodePage(codePage);
  int fits = 0;
  LockNames();
  struct NameSlot *slot = SlotOfLanguage(language);
  int kept = FITS_KEPT;
  for (int i = 0; slot && i < FITS_KEPT; i++)
    kept = slot->FitPage[i] == page ? i : kept;
  if (slot && kept < FITS_KEPT)
    fits = slot->Fits[kept];
  else if (slot) {
    fits = NamesFit(slot, page);
    slot->FitPage[slot->NextFit] = page;
    slot->Fits[slot->NextFit] = fits;
    slot->NextFit = (slot->NextFit + 1) % FITS_KEPT;
  }
  UnlockNames();
  return fits;
}

int LocaleText(const char *code, int length, UINT codePage, char conversion, int flag, int genitive,
               const struct tm *record, char *text, int size) {
  WCHAR wide[LOCALE_TEXT_SIZE], wideCode[CODE_SIZE];
  LCID language;
  for (int i = 0; i < length && i < CODE_SIZE; i++)
    wideCode[i] = (WCHAR)(unsigned char)code[i];
  int count = LanguageText(wideCode, length < CODE_SIZE ? length : CODE_SIZE, conversion, flag,
                           genitive, record, wide, LOCALE_TEXT_SIZE, &language);
  if (count <= 0 || size <= 0 || !LanguageFitsCodePage(language, codePage))
    return -1;
  UseLookAlikes(wide, count, codePage);
  if (!CodePageHolds(codePage, wide, count))
    return -1;
  int written = WideCharToMultiByte(codePage, 0, wide, count + 1, text, size, NULL, NULL);
  return written > 0 ? written - 1 : -1;
}

void ReleaseLocaleNames(void) {
  LockNames();
  for (struct NameSlot *&slot : Slots) {
    if (slot)
      GlobalFree(slot);
    slot = NULL;
  }
  UnlockNames();
}

int UserFirstWeekday(void) {
  char text[4];
  if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, text, sizeof text) ||
      text[0] < '0' || text[0] > '6')
    return 0;
  return text[0] - '0';
}
