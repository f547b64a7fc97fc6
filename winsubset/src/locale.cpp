// Locale data of three locales, Russian (the user's, as the code pages are
// a Russian system's), US English and Ukrainian, with the names, layouts
// and ISO codes Wine gives them; dates and times are written from pictures
// as Wine does.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "winsubset_internal.h"

namespace {

struct LocaleData {
  LCID Id;
  const char *Language, *Region, *FirstDay;
  const char16_t *Days[7], *ShortDays[7]; // Monday first
  const char16_t *Months[12], *ShortMonths[12], *Genitive[12], *ShortGenitive[12];
  const char16_t *Am, *Pm, *ShortDate, *LongDate, *Time;
};

const LocaleData Locales[] = {
    {0x0419,
     "ru",
     "RU",
     "0",
     {u"понедельник", u"вторник", u"среда", u"четверг", u"пятница", u"суббота", u"воскресенье"},
     {u"пн", u"вт", u"ср", u"чт", u"пт", u"сб", u"вс"},
     {u"январь", u"февраль", u"март", u"апрель", u"май", u"июнь", u"июль", u"август", u"сентябрь",
      u"октябрь", u"ноябрь", u"декабрь"},
     {u"янв.", u"февр.", u"март", u"апр.", u"май", u"июнь", u"июль", u"авг.", u"сент.", u"окт.",
      u"нояб.", u"дек."},
     {u"января", u"февраля", u"марта", u"апреля", u"мая", u"июня", u"июля", u"августа", u"сентября",
      u"октября", u"ноября", u"декабря"},
     {u"янв.", u"февр.", u"мар.", u"апр.", u"мая", u"июн.", u"июл.", u"авг.", u"сент.", u"окт.",
      u"нояб.", u"дек."},
     u"AM",
     u"PM",
     u"dd.MM.yyyy",
     u"dddd, d MMMM yyyy\u202f'г'.",
     u"HH:mm:ss"},
    {0x0409,
     "en",
     "US",
     "6",
     {u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday", u"Sunday"},
     {u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat", u"Sun"},
     {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August",
      u"September", u"October", u"November", u"December"},
     {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov",
      u"Dec"},
     {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August",
      u"September", u"October", u"November", u"December"},
     {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov",
      u"Dec"},
     u"AM",
     u"PM",
     u"M/d/yyyy",
     u"dddd, MMMM d, yyyy",
     u"h:mm:ss tt"},
    // For the languages of a country: the only language of UA.
    {0x0422,
     "uk",
     "UA",
     "0",
     {u"понеділок", u"вівторок", u"середа", u"четвер", u"пʼятниця", u"субота", u"неділя"},
     {u"пн", u"вт", u"ср", u"чт", u"пт", u"сб", u"нд"},
     {u"січень", u"лютий", u"березень", u"квітень", u"травень", u"червень", u"липень", u"серпень",
      u"вересень", u"жовтень", u"листопад", u"грудень"},
     {u"січ.", u"лют.", u"бер.", u"квіт.", u"трав.", u"черв.", u"лип.", u"серп.", u"вер.", u"жовт.",
      u"лист.", u"груд."},
     {u"січня", u"лютого", u"березня", u"квітня", u"травня", u"червня", u"липня", u"серпня",
      u"вересня", u"жовтня", u"листопада", u"грудня"},
     {u"січ.", u"лют.", u"бер.", u"квіт.", u"трав.", u"черв.", u"лип.", u"серп.", u"вер.", u"жовт.",
      u"лист.", u"груд."},
     u"дп",
     u"пп",
     u"dd.MM.yyyy",
     u"d MMMM yyyy 'р.'",
     u"HH:mm:ss"},
};

const LocaleData *FindLocale(LCID id) {
  if (id == LOCALE_USER_DEFAULT || id == 0)
    id = Locales[0].Id;
  for (const LocaleData &locale : Locales)
    if (locale.Id == id)
      return &locale;
  SetLastError(ERROR_INVALID_PARAMETER);
  return NULL;
}

// Copies with the terminator; a buffer of 0 asks for the length.
int PutWide(const char16_t *text, LPWSTR out, int size) {
  int length = 0;
  while (text[length])
    length++;
  if (size == 0)
    return length + 1;
  if (size <= length) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  for (int i = 0; i <= length; i++)
    out[i] = text[i];
  return length + 1;
}

const char16_t *LocaleText(const LocaleData *locale, LCTYPE type, char16_t *number) {
  if (type >= LOCALE_SDAYNAME1 && type < LOCALE_SDAYNAME1 + 7)
    return locale->Days[type - LOCALE_SDAYNAME1];
  if (type >= LOCALE_SABBREVDAYNAME1 && type < LOCALE_SABBREVDAYNAME1 + 7)
    return locale->ShortDays[type - LOCALE_SABBREVDAYNAME1];
  if (type >= LOCALE_SMONTHNAME1 && type < LOCALE_SMONTHNAME1 + 12)
    return locale->Months[type - LOCALE_SMONTHNAME1];
  if (type >= LOCALE_SABBREVMONTHNAME1 && type < LOCALE_SABBREVMONTHNAME1 + 12)
    return locale->ShortMonths[type - LOCALE_SABBREVMONTHNAME1];
  const char *ascii = type == LOCALE_SISO639LANGNAME    ? locale->Language
                      : type == LOCALE_SISO3166CTRYNAME ? locale->Region
                      : type == LOCALE_IFIRSTDAYOFWEEK  ? locale->FirstDay
                                                        : NULL;
  if (type == LOCALE_S1159 || type == LOCALE_S2359)
    return type == LOCALE_S1159 ? locale->Am : locale->Pm;
  if (!ascii)
    return NULL;
  int i = 0;
  for (; ascii[i]; i++)
    number[i] = (char16_t)ascii[i];
  number[i] = 0;
  return number;
}

// Days from Sunday, as SYSTEMTIME counts them (Zeller's congruence).
int WeekdayOf(const SYSTEMTIME *date) {
  int y = date->wYear, m = date->wMonth;
  if (m < 3) {
    m += 12;
    y--;
  }
  return (date->wDay + 13 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400 + 6) % 7;
}

// One picture letter run of `count` letters, written into text.
const char16_t *PictureField(const LocaleData *locale, const SYSTEMTIME *t, char16_t letter,
                             int count, int genitive, char16_t *digits) {
  int value = 0;
  int monday = (WeekdayOf(t) + 6) % 7;
  switch (letter) {
  case 'd':
    if (count >= 3)
      return count == 3 ? locale->ShortDays[monday] : locale->Days[monday];
    value = t->wDay;
    break;
  case 'M':
    if (count >= 3)
      return count == 3 ? (genitive ? locale->ShortGenitive : locale->ShortMonths)[t->wMonth - 1]
                        : (genitive ? locale->Genitive : locale->Months)[t->wMonth - 1];
    value = t->wMonth;
    break;
  case 'y':
    value = count <= 2 ? t->wYear % 100 : t->wYear;
    count = count <= 2 ? count : 4;
    break;
  case 'h':
    value = t->wHour % 12 ? t->wHour % 12 : 12;
    break;
  case 'H':
    value = t->wHour;
    break;
  case 'm':
    value = t->wMinute;
    break;
  case 's':
    value = t->wSecond;
    break;
  default: // 't'
    return t->wHour < 12 ? locale->Am : locale->Pm;
  }
  char text[16];
  snprintf(text, sizeof text, count > 2 ? "%04d" : count == 2 ? "%02d" : "%d", value % 10000);
  int i = 0;
  for (; text[i]; i++)
    digits[i] = (char16_t)text[i];
  digits[i] = 0;
  return digits;
}

int FormatPicture(const LocaleData *locale, const SYSTEMTIME *t, const char16_t *picture,
                  LPWSTR out, int size) {
  char16_t text[256];
  int used = 0;
  // The month takes the genitive where a day number is in the picture.
  int genitive = 0;
  for (int i = 0, run = 1; picture[i]; i += run) {
    for (run = 1; picture[i + run] == picture[i]; run++) {
    }
    genitive |= picture[i] == 'd' && run <= 2;
  }
  for (const char16_t *p = picture; *p && used < 200;) {
    if (*p == '\'') {
      for (p++; *p && *p != '\''; p++)
        text[used++] = *p;
      p += *p == '\'';
      continue;
    }
    if (*p > 0x7F || !strchr("dMyhHmst", (char)*p)) {
      text[used++] = *p++;
      continue;
    }
    int count = 1;
    while (p[count] == *p)
      count++;
    char16_t digits[16];
    const char16_t *field = PictureField(locale, t, *p, count, genitive, digits);
    while (*field && used < 200)
      text[used++] = *field++;
    p += count;
  }
  text[used] = 0;
  return PutWide(text, out, size);
}

int CheckedPicture(LCID id, const SYSTEMTIME *t, const char16_t *own, LPCWSTR given, LPWSTR out,
                   int size) {
  const LocaleData *locale = FindLocale(id);
  if (!locale || !t || size < 0 || (size > 0 && !out)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const char16_t *picture = given ? (const char16_t *)given : own;
  return FormatPicture(locale, t, picture, out, size);
}

} // namespace

extern "C" LCID WINAPI GetUserDefaultLCID(void) { return Locales[0].Id; }

extern "C" int WINAPI GetLocaleInfoW(LCID Locale, LCTYPE LCType, LPWSTR lpLCData, int cchData) {
  if (TakeInjectedFault("GetLocaleInfoW"))
    return 0;
  const LocaleData *locale = FindLocale(Locale);
  char16_t number[8];
  const char16_t *text = locale ? LocaleText(locale, LCType, number) : NULL;
  if (!text || cchData < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return PutWide(text, lpLCData, cchData);
}

extern "C" int WINAPI GetLocaleInfoA(LCID Locale, LCTYPE LCType, LPSTR lpLCData, int cchData) {
  WCHAR wide[64];
  if (!GetLocaleInfoW(Locale, LCType, wide, 64))
    return 0;
  return WideCharToMultiByte(CP_ACP, 0, wide, -1, lpLCData, cchData, NULL, NULL);
}

extern "C" int WINAPI GetDateFormatW(LCID Locale, DWORD dwFlags, const SYSTEMTIME *lpDate,
                                     LPCWSTR lpFormat, LPWSTR lpDateStr, int cchDate) {
  if (TakeInjectedFault("GetDateFormatW"))
    return 0;
  const LocaleData *locale = FindLocale(Locale);
  const char16_t *own = !locale                   ? NULL
                        : dwFlags & DATE_LONGDATE ? locale->LongDate
                                                  : locale->ShortDate;
  return CheckedPicture(Locale, lpDate, own, lpFormat, lpDateStr, cchDate);
}

extern "C" int WINAPI GetTimeFormatW(LCID Locale, DWORD, const SYSTEMTIME *lpTime, LPCWSTR lpFormat,
                                     LPWSTR lpTimeStr, int cchTime) {
  if (TakeInjectedFault("GetTimeFormatW"))
    return 0;
  const LocaleData *locale = FindLocale(Locale);
  return CheckedPicture(Locale, lpTime, locale ? locale->Time : NULL, lpFormat, lpTimeStr, cchTime);
}

extern "C" BOOL WINAPI EnumSystemLocalesA(LOCALE_ENUMPROCA lpLocaleEnumProc, DWORD) {
  if (!lpLocaleEnumProc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  for (const LocaleData &locale : Locales) {
    char text[16];
    snprintf(text, sizeof text, "%08X", (unsigned)locale.Id);
    if (!lpLocaleEnumProc(text))
      break;
  }
  return TRUE;
}
