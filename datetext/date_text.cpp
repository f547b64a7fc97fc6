#include "datetext/date_text.h"

#include <string.h>

#include "datetext/local_time.h"
#include "datetext/locale_names.h"

char DateText[DATE_TEXT_SIZE];

// What the runtime's strftime is asked for: the conversions every C runtime
// the DLL may meet writes the same way (others would make some runtimes end
// the process, or write something else on each).
static int IsRuntimeConversion(char c) {
  return c != 0 && strchr("aAbBcdHIjmMpSUwWxXyYZ%", c) != NULL;
}

static int Clamp(int value, int low, int high) {
  return value < low ? low : value > high ? high : value;
}

// The calendar's years, 1601 to 9999. Some runtimes also end the process
// for fields out of range; a record from another module may hold anything.
static void ClampTimeRecord(struct tm *record) {
  record->tm_sec = Clamp(record->tm_sec, 0, 59);
  record->tm_min = Clamp(record->tm_min, 0, 59);
  record->tm_hour = Clamp(record->tm_hour, 0, 23);
  record->tm_mday = Clamp(record->tm_mday, 1, 31);
  record->tm_mon = Clamp(record->tm_mon, 0, 11);
  record->tm_year = Clamp(record->tm_year, 1601 - 1900, 9999 - 1900);
  record->tm_wday = Clamp(record->tm_wday, 0, 6);
  record->tm_yday = Clamp(record->tm_yday, 0, 365);
}

// Appends up to `count` characters; an expansion longer than the buffer is
// cut, so the text is always terminated inside it.
static int Append(char *buffer, int size, int used, const char *text, int count) {
  int room = size - 1 - used;
  if (count > room)
    count = room;
  if (count > 0) {
    memcpy(buffer + used, text, (size_t)count);
    used += count;
  }
  buffer[used] = 0;
  return used;
}

// What one expansion knows of its moment: the record and, read once when a
// conversion first needs it, the local zone.
struct Moment {
  struct tm record;
  int utc;       // the record is in UTC
  int isNow;     // tm_isdst is still to be read from the zone
  int zoneRead;  // zoneKnown and offset are set
  int zoneKnown; // the offset could be told
  int offset;    // minutes east of UTC
  // The names' language: the code after "%{" in force, null for the
  // runtime's names; the code page the text goes out in.
  const char *language;
  int languageLength;
  UINT codePage;
  const char *format; // the whole format, which decides the genitive
  int genitive;       // -1 until a month's name needs it
};

static void ReadZone(Moment *moment) {
  if (moment->zoneRead)
    return;
  moment->zoneRead = 1;
  moment->zoneKnown = 1;
  if (moment->utc)
    return;
  int daylight;
  moment->zoneKnown = ReadLocalOffset(&moment->record, &moment->offset, &daylight);
  if (moment->isNow)
    moment->record.tm_isdst = daylight;
}

// "+hhmm", or "+hh:mm" with the colon; nothing when the offset cannot be
// told, rather than a wrong one.
static int AppendOffset(char *buffer, int size, int used, Moment *moment, int colon) {
  ReadZone(moment);
  if (!moment->zoneKnown)
    return used;
  int minutes = moment->offset < 0 ? -moment->offset : moment->offset;
  char text[6] = {moment->offset < 0 ? '-' : '+', (char)('0' + minutes / 600 % 10),
                  (char)('0' + minutes / 60 % 10), ':'};
  text[3 + colon] = (char)('0' + minutes % 60 / 10);
  text[4 + colon] = (char)('0' + minutes % 10);
  return Append(buffer, size, used, text, 5 + colon);
}

static int IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days from the Monday of ISO week 1 to the record's day, from tm_yday and
// tm_wday as the C library counts them.
static int IsoWeekDays(int yday, int wday) { return yday - (yday - wday + 4 + 378) % 7 + 3; }

// The ISO 8601 week-based year, and the week 1..53 through `week`.
static int IsoWeek(const struct tm *record, int *week) {
  int year = record->tm_year + 1900;
  int days = IsoWeekDays(record->tm_yday, record->tm_wday);
  if (days < 0) {
    year--;
    days = IsoWeekDays(record->tm_yday + 365 + IsLeapYear(year), record->tm_wday);
  } else {
    int next = IsoWeekDays(record->tm_yday - 365 - IsLeapYear(year), record->tm_wday);
    if (next >= 0) {
      year++;
      days = next;
    }
  }
  *week = days / 7 + 1;
  return year;
}

// The numbers and their widths; the letter's place in NumericWidths.
static const char NumericConversions[] = "CdeHIjmMSuUwWyYgGV";
static const char NumericWidths[] = "222223222121221212";

static int NumberFor(const struct tm *t, char conversion) {
  int year = t->tm_year + 1900, week;
  switch (conversion) {
  case 'C':
    return year / 100;
  case 'd':
  case 'e':
    return t->tm_mday;
  case 'H':
    return t->tm_hour;
  case 'I':
    return t->tm_hour % 12 ? t->tm_hour % 12 : 12;
  case 'j':
    return t->tm_yday + 1;
  case 'm':
    return t->tm_mon + 1;
  case 'M':
    return t->tm_min;
  case 'S':
    return t->tm_sec;
  case 'u':
    return t->tm_wday ? t->tm_wday : 7;
  case 'U':
    return (t->tm_yday - t->tm_wday + 7) / 7;
  case 'w':
    return t->tm_wday;
  case 'W':
    return (t->tm_yday - (t->tm_wday + 6) % 7 + 7) / 7;
  case 'y':
    return year % 100;
  case 'Y':
    return year;
  case 'g':
    return IsoWeek(t, &week) % 100;
  case 'G':
    return IsoWeek(t, &week);
  }
  IsoWeek(t, &week); // 'V'
  return week;
}

// A number in its width, padded with zeros (spaces for %e); msvcrt's "#"
// drops the padding.
static int AppendNumber(char *buffer, int size, int used, const struct tm *t, char conversion,
                        int flag) {
  int place = (int)(strchr(NumericConversions, conversion) - NumericConversions);
  int width = flag ? 1 : NumericWidths[place] - '0';
  char digits[12];
  int count = 0;
  char pad = conversion == 'e' ? ' ' : '0';
  for (int value = NumberFor(t, conversion); value || count < width; value /= 10) {
    char digit = value || !count ? (char)('0' + value % 10) : pad;
    digits[sizeof digits - 1 - count++] = digit;
  }
  return Append(buffer, size, used, digits + sizeof digits - count, count);
}

// Whether the format shows the day of the month: a month's name then takes
// the form Windows' own dates give it after a day number.
static int ShowsDayOfMonth(const char *format) {
  for (const char *p = strchr(format, '%'); p; p = strchr(p, '%')) {
    p += 1 + (p[1] == '#');
    p += *p == 'O';
    if (*p == 'd' || *p == 'e')
      return 1;
    p += *p == '%';
  }
  return 0;
}

// A name or layout in the language in force; -1 for the runtime's.
static int AppendLocaleText(char *buffer, int size, int used, Moment *moment, char conversion,
                            int flag) {
  if (!moment->language)
    return -1;
  if (moment->genitive < 0)
    moment->genitive = ShowsDayOfMonth(moment->format);
  char text[128];
  int count = LocaleText(moment->language, moment->languageLength, moment->codePage, conversion,
                         flag, moment->genitive, &moment->record, text, sizeof text);
  return count < 0 ? -1 : Append(buffer, size, used, text, count);
}

// "%{code}" sets the names' language up to the next one; an unterminated
// code takes the rest of the format. "C" is the runtime's names.
static const char *TakeLanguage(const char *code, Moment *moment) {
  const char *end = strchr(code, '}');
  if (!end)
    end = code + strlen(code);
  int length = (int)(end - code);
  int runtime = length == 1 && (*code == 'C' || *code == 'c');
  moment->language = runtime ? NULL : code;
  moment->languageLength = length;
  return *end ? end + 1 : end;
}

// Conversions made of others, in the C locale's layouts.
static const char *const Composites[] = {"D%m/%d/%y",    "F%Y-%m-%d", "R%H:%M", "T%H:%M:%S",
                                         "r%I:%M:%S %p", "h%b",       "n\n",    "t\t"};

// The modifiers the C locale accepts and ignores, and what each may
// precede.
static int TakesModifier(char modifier, char conversion) {
  const char *allowed = modifier == 'E' ? "cCxXyY" : "bBhdeHImMSuUVwWy";
  return conversion != 0 && strchr(allowed, conversion) != NULL;
}

static int ExpandFormat(char *buffer, int size, int used, const char *format, Moment *moment,
                        int outerFlag);

// The runtime takes the years 1900 to 9999 only. The Gregorian calendar
// repeats every 400 years (146097 days, whole weeks), so an earlier year
// goes to it 400 years on: weekday, day of the year and leap day alike.
static const int CalendarCycle = 400;

static int IsShiftedForRuntime(const struct tm *record) { return record->tm_year < 0; }

static void WriteFourDigits(char *text, int value) {
  for (int i = 3; i >= 0; i--, value /= 10)
    text[i] = (char)('0' + value % 10);
}

static int IsDigit(char c) { return c >= '0' && c <= '9'; }

// A full year the runtime wrote for the shifted record (a locale's %c or %x
// may hold one) is put back to the true one; same length, so in place.
static void PutTrueYearBack(char *text, int trueYear) {
  char shifted[5] = {0};
  WriteFourDigits(shifted, trueYear + CalendarCycle);
  for (char *at = strstr(text, shifted); at; at = strstr(at + 4, shifted))
    if ((at == text || !IsDigit(at[-1])) && !IsDigit(at[4]))
      WriteFourDigits(at, trueYear);
}

// A conversion of the runtime's own, for any year of the calendar.
static int AppendFromRuntime(char *buffer, int size, int used, const struct tm *record,
                             const char *single) {
  struct tm runtimeRecord = *record;
  int shifted = IsShiftedForRuntime(record);
  runtimeRecord.tm_year += shifted ? CalendarCycle : 0;
  char expansion[256];
  size_t count = strftime(expansion, sizeof expansion, single, &runtimeRecord);
  expansion[count] = 0;
  if (shifted)
    PutTrueYearBack(expansion, record->tm_year + 1900);
  return Append(buffer, size, used, expansion, (int)count);
}

// One conversion at `conversion`; returns the new length, or -1 when the
// letter is none of the set.
static int AppendConversion(char *buffer, int size, int used, Moment *moment, char conversion,
                            int flag) {
  if (conversion == 'Z' && moment->utc)
    return Append(buffer, size, used, "UTC", 3);
  if (conversion == 'z')
    return AppendOffset(buffer, size, used, moment, 0);
  int named = AppendLocaleText(buffer, size, used, moment, conversion, flag);
  if (named >= 0)
    return named;
  if (conversion != 0 && strchr(NumericConversions, conversion))
    return AppendNumber(buffer, size, used, &moment->record, conversion, flag);
  if (IsRuntimeConversion(conversion)) {
    if (conversion == 'Z')
      ReadZone(moment); // the name follows the daylight flag
    char single[4] = {'%', flag ? '#' : conversion, flag ? conversion : '\0', 0};
    return AppendFromRuntime(buffer, size, used, &moment->record, single);
  }
  for (const char *composite : Composites)
    if (composite[0] == conversion)
      return ExpandFormat(buffer, size, used, composite + 1, moment, flag);
  return -1;
}

// The format's text and conversions after `used` characters; an unknown
// conversion stays as it stands.
static int ExpandFormat(char *buffer, int size, int used, const char *format, Moment *moment,
                        int outerFlag) {
  const char *p = format;
  while (*p && used < size - 1) {
    const char *percent = strchr(p, '%');
    if (!percent)
      return Append(buffer, size, used, p, (int)strlen(p));
    used = Append(buffer, size, used, p, (int)(percent - p));
    if (percent[1] == '{') {
      p = TakeLanguage(percent + 2, moment);
      continue;
    }
    const char *q = percent + 1;
    int flag = *q == '#';
    q += flag;
    int colon = q[0] == ':' && q[1] == 'z';
    q += colon;
    if ((*q == 'E' || *q == 'O') && TakesModifier(*q, q[1]))
      q++;
    int next = colon ? AppendOffset(buffer, size, used, moment, 1)
                     : AppendConversion(buffer, size, used, moment, *q, flag | outerFlag);
    if (next < 0) {
      used = Append(buffer, size, used, percent, 1 + flag);
      p = percent + 1 + flag;
      continue;
    }
    used = next;
    p = q + 1;
  }
  return used;
}

// Each conversion of the format one the runtime writes as we would: the
// whole format can then go to strftime in one call. Returns 0 when not;
// otherwise 1, or 2 when the format names the zone.
static int OnlyRuntimeConversions(const char *format) {
  int result = 1;
  for (const char *p = strchr(format, '%'); p; p = strchr(p, '%')) {
    int flag = p[1] == '#';
    char conversion = p[1 + flag];
    if (!IsRuntimeConversion(conversion))
      return 0;
    if (conversion == 'Z')
      result = 2;
    p += 2 + flag;
  }
  return result;
}

// The whole format in one strftime call, the runtime's fixed cost paid
// once, straight into the caller's buffer; -1 when that cannot be done.
static int ExpandInOneCall(char *buffer, int size, const char *format, Moment *moment) {
  if (!strchr(format, '%'))
    return Append(buffer, size, 0, format, (int)strlen(format));
  int runtimeOnly = OnlyRuntimeConversions(format);
  // The runtime names the local zone whatever the record: UTC is ours. A
  // year it cannot take goes conversion by conversion.
  if (!runtimeOnly || (runtimeOnly == 2 && moment->utc) || IsShiftedForRuntime(&moment->record))
    return -1;
  if (runtimeOnly == 2)
    ReadZone(moment);
  size_t fitting = strftime(buffer, (size_t)size, format, &moment->record);
  if (fitting > 0)
    return (int)fitting;
  buffer[0] = 0; // whatever the failed call left there
  return -1;
}

static int InCalendarYears(const struct tm *record) {
  return record->tm_year >= 1601 - 1900 && record->tm_year <= 9999 - 1900;
}

// The given record or now, in UTC when asked; 0 when a given record cannot
// be told in UTC, or its UTC moment lies outside the calendar's years
// (nothing is formatted then, rather than a wrong time). A format that may
// show the zone has the zone of now read with the clock.
static int TakeMoment(Moment *moment, const struct tm *given, int utc, const char *format) {
  moment->utc = utc;
  moment->isNow = 0;
  moment->zoneRead = 0;
  moment->zoneKnown = 0;
  moment->offset = 0;
  if (given) {
    moment->record = *given;
    ClampTimeRecord(&moment->record);
    if (!utc)
      return 1;
    if (!LocalToUtc(&moment->record, &moment->record) || !InCalendarYears(&moment->record))
      return 0;
  } else if (utc) {
    ReadUtcTime(&moment->record);
  } else if (strpbrk(format, "zZ")) {
    // The local clock alone is ambiguous in the hour repeated when
    // daylight saving ends; read with the UTC clock it is not.
    moment->zoneKnown = ReadLocalTimeAndOffset(&moment->record, &moment->offset);
    moment->zoneRead = 1;
  } else {
    ReadLocalClock(&moment->record);
    moment->isNow = 1;
  }
  // A clock, or UTC, may reach past the calendar's years.
  ClampTimeRecord(&moment->record);
  return 1;
}

int ExpandDateText(char *buffer, int size, const char *format, const struct tm *moment) {
  return ExpandDateTextIn(buffer, size, format, moment, CP_OEMCP);
}

int ExpandDateTextIn(char *buffer, int size, const char *format, const struct tm *moment,
                     UINT codePage) {
  if (!buffer || size <= 0)
    return 0;
  buffer[0] = 0;
  if (!format)
    return 0;
  // "!" asks for UTC, as Lua's os.date does.
  int utc = format[0] == '!';
  format += utc;
  Moment taken;
  if (!TakeMoment(&taken, moment, utc, format))
    return 0;
  taken.language = UserLanguageForAll ? "" : NULL;
  taken.languageLength = 0;
  taken.codePage = codePage;
  taken.format = format;
  taken.genitive = -1;
  // The runtime knows only its own names.
  int used = taken.language ? -1 : ExpandInOneCall(buffer, size, format, &taken);
  return used >= 0 ? used : ExpandFormat(buffer, size, 0, format, &taken, 0);
}
