#include "datetext/time_zones.h"

#include <stdio.h>
#include <string.h>

#include "datetext/civil_date.h"
#include "datetext/local_time.h"

// A zone's rules for a year, laid out as the registry's "TZI" values hold
// them: biases in minutes west of UTC, and the changes to standard and to
// daylight time as Windows encodes them (the wDay-th wDayOfWeek of wMonth,
// 5 meaning the last; a given day when wYear is set).
struct ZoneRule {
  LONG Bias, StandardBias, DaylightBias;
  SYSTEMTIME StandardDate, DaylightDate;
};

// The rules from `Year` on, until the next entry's year.
struct YearRule {
  int Year;
  ZoneRule Rule;
};

// A key's name is at most 255 characters, as Windows keeps them.
enum { KEY_SIZE = 256, DISPLAY_SIZE = 128, WORD_SIZE = 32, WORDS_KEPT = 8 };

// A zone's texts, each of any length, in one block of its own: its key and
// display names in capitals, as words are compared, and its standard and
// daylight names, ANSI as read.
struct Zone {
  void *Texts;
  const WCHAR *Key, *Display;
  const char *Names[2];
  int FirstRule, RuleCount; // in Kept.Rules; at least one
  // The year last asked, in seconds, and the changes of the year and rule
  // last asked, so that a conversion is a few compares.
  long long YearStart, YearEnd, ToStandard, ToDaylight;
  const ZoneRule *YearRule;
  int Year, ChangesYear;
};

// Local time as a zone: the system's rules for this year, which Windows
// applies to every year. Read again a minute after they were read, so that a
// change of the system's zone is followed; kept apart from the registry's
// zones, which a local date never needs.
struct LocalRules {
  struct Zone Zone;
  ZoneRule Rule;
  DWORD ReadAt;
  int Known;
};

// The last words looked up, and the zone each names (-1: none).
struct ZoneWord {
  WCHAR Word[WORD_SIZE];
  int Index;
};

// Every zone, read on first use and kept until the module is unloaded; the
// words are kept in the zones' block, so that the module's own data stays
// small.
static struct {
  struct Zone *Zones;
  int ZoneCount;
  struct YearRule *Rules;
  int RuleCount, RuleCapacity;
  int Loaded;
  struct ZoneWord *Words;
  int NextWord;
  struct LocalRules *Local;
} Kept;
// Loading and the words are shared with the clock's thread; the zones, once
// loaded, are only read.
static volatile LONG ZonesLock;

const TimeZoneRef LocalTimeZone = {ZONE_LOCAL, 0, 0};

static const char ZonesPath[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";
static const int FirstYear = 1601, LastYear = 9999;

static int IsChangeDate(const SYSTEMTIME *date) {
  if (!date->wMonth)
    return 1;
  return date->wMonth <= 12 && date->wDayOfWeek <= 6 && date->wDay >= 1 &&
         date->wDay <= (date->wYear ? 31 : 5) && date->wHour < 24 && date->wMinute < 60 &&
         date->wSecond < 60 && date->wMilliseconds < 1000;
}

// A "TZI" value or a year's value of "Dynamic DST"; anything else is no rule.
static int ReadRule(HKEY key, const char *name, ZoneRule *rule) {
  DWORD type, size = sizeof *rule;
  const LONG Day = 24 * 60;
  if (RegQueryValueExA(key, name, NULL, &type, (BYTE *)rule, &size) != ERROR_SUCCESS ||
      type != REG_BINARY || size != sizeof *rule)
    return 0;
  return rule->Bias > -Day && rule->Bias < Day && rule->StandardBias > -Day &&
         rule->StandardBias < Day && rule->DaylightBias > -Day && rule->DaylightBias < Day &&
         IsChangeDate(&rule->StandardDate) && IsChangeDate(&rule->DaylightDate);
}

static DWORD ReadNumber(HKEY key, const char *name) {
  DWORD type, number = 0, size = sizeof number;
  if (RegQueryValueExA(key, name, NULL, &type, (BYTE *)&number, &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof number)
    return 0;
  return number;
}

// A zone's values that are texts: its display name, then its standard and
// daylight names.
static const char *const TextValues[] = {"Display", "Std", "Dlt"};

// The room a text value needs with a terminator, however long; 1 when it
// is missing or no text.
static DWORD TextSize(HKEY key, const char *name) {
  DWORD type, size = 0;
  if (RegQueryValueExA(key, name, NULL, &type, NULL, &size) != ERROR_SUCCESS || type != REG_SZ ||
      size > 0x100000)
    size = 0;
  return size + 1;
}

// The value's text as read, terminated within `size`; empty when it cannot
// be read in that room.
static void ReadText(HKEY key, const char *name, char *text, DWORD size) {
  DWORD type, length = size - 1;
  if (RegQueryValueExA(key, name, NULL, &type, (BYTE *)text, &length) != ERROR_SUCCESS ||
      type != REG_SZ)
    length = 0;
  text[length] = 0;
}

// Kept only when it differs from the zone's rule of the year before.
static void AddRule(struct Zone *zone, int year, const ZoneRule *rule) {
  if (zone->RuleCount && memcmp(&Kept.Rules[Kept.RuleCount - 1].Rule, rule, sizeof *rule) == 0)
    return;
  if (Kept.RuleCount == Kept.RuleCapacity) {
    int capacity = Kept.RuleCapacity ? 2 * Kept.RuleCapacity : 256;
    YearRule *grown = (YearRule *)GlobalAlloc(GMEM_FIXED, capacity * sizeof(YearRule));
    if (!grown)
      return;
    if (Kept.Rules) {
      memcpy(grown, Kept.Rules, Kept.RuleCount * sizeof(YearRule));
      GlobalFree(Kept.Rules);
    }
    Kept.Rules = grown;
    Kept.RuleCapacity = capacity;
  }
  YearRule *added = &Kept.Rules[Kept.RuleCount++];
  added->Year = year;
  added->Rule = *rule;
  zone->RuleCount++;
}

// A year's own rules where "Dynamic DST" has them: years before its first
// take the first one's, years after its last the last one's. A first entry
// before 1601 is read from 1601, the first year a date can have.
static void ReadYearRules(HKEY zoneKey, struct Zone *zone) {
  HKEY years;
  if (RegOpenKeyExA(zoneKey, "Dynamic DST", 0, KEY_READ, &years) != ERROR_SUCCESS)
    return;
  DWORD first = ReadNumber(years, "FirstEntry"), last = ReadNumber(years, "LastEntry");
  if (first && first < (DWORD)FirstYear)
    first = FirstYear;
  for (DWORD year = first; year >= (DWORD)FirstYear && year <= last && year <= (DWORD)LastYear;
       year++) {
    char name[8] = "", *digits = name + 7;
    for (DWORD rest = year; rest; rest /= 10)
      *--digits = (char)('0' + rest % 10);
    ZoneRule rule;
    if (ReadRule(years, digits, &rule))
      AddRule(zone, (int)year, &rule);
  }
  RegCloseKey(years);
}

// Text in code page `from` in capitals, wide, so that a word matches
// whatever its case, Cyrillic included; `count` characters with the
// terminator, or 0 when it cannot be read.
static int ToCapitals(const char *text, UINT from, WCHAR *wide, int count) {
  count = MultiByteToWideChar(from, 0, text, -1, wide, count);
  if (count)
    CharUpperBuffW(wide, (DWORD)count);
  return count;
}

// The zone's texts in one block: its key's name and its display name, wide
// and in capitals, then its standard and daylight names as read (and the
// display name as read, for the conversion). Null when there is no room.
static void *ReadTexts(HKEY key, const WCHAR *name, DWORD length, struct Zone *zone) {
  DWORD sizes[3], total = (length + 1) * sizeof(WCHAR);
  for (int i = 0; i < 3; i++)
    total += (sizes[i] = TextSize(key, TextValues[i])) * (i ? 1 : 1 + sizeof(WCHAR));
  WCHAR *block = (WCHAR *)GlobalAlloc(GMEM_FIXED, total);
  if (!block)
    return NULL;
  WCHAR *display = block + length + 1;
  memcpy(block, name, (length + 1) * sizeof(WCHAR));
  CharUpperBuffW(block, length);
  char *text = (char *)(display + sizes[0]);
  for (int i = 1; i <= 3; i++) {
    ReadText(key, TextValues[i % 3], text, sizes[i % 3]);
    if (i < 3)
      zone->Names[i - 1] = text;
    text += sizes[i % 3];
  }
  if (!ToCapitals(text - sizes[0], CP_ACP, display, (int)sizes[0]))
    display[0] = 0;
  zone->Key = block;
  zone->Display = display;
  return block;
}

// A zone without rules, or whose texts find no room, is left out.
static void ReadZone(HKEY root, const WCHAR *name, DWORD length, struct Zone *zone) {
  HKEY key;
  ZoneRule rule;
  int firstRule = Kept.RuleCount;
  memset(zone, 0, sizeof *zone);
  if (RegOpenKeyExW(root, name, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return;
  zone->FirstRule = firstRule;
  ReadYearRules(key, zone);
  if (!zone->RuleCount && ReadRule(key, "TZI", &rule))
    AddRule(zone, FirstYear, &rule);
  if (zone->RuleCount)
    zone->Texts = ReadTexts(key, name, length, zone);
  RegCloseKey(key);
  if (!zone->Texts) {
    zone->RuleCount = 0;
    Kept.RuleCount = firstRule; // its rules' room goes to the next
  }
}

// Every key, however many; none when a call fails before the list's end,
// since a list cut short would match words to other zones.
static DWORD CountZones(HKEY root) {
  WCHAR name[KEY_SIZE];
  DWORD count = 0, length = KEY_SIZE;
  LSTATUS status;
  while ((status = RegEnumKeyExW(root, count, name, &length, NULL, NULL, NULL, NULL)) ==
             ERROR_SUCCESS ||
         status == ERROR_MORE_DATA)
    count++, length = KEY_SIZE;
  return status == ERROR_NO_MORE_ITEMS ? count : 0;
}

static void LoadZones(void) {
  HKEY root;
  WCHAR name[KEY_SIZE];
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ZonesPath, 0, KEY_READ, &root) != ERROR_SUCCESS)
    return;
  DWORD count = CountZones(root);
  if (count)
    Kept.Zones = (struct Zone *)GlobalAlloc(GMEM_FIXED, count * sizeof(struct Zone) +
                                                            WORDS_KEPT * sizeof(struct ZoneWord));
  if (Kept.Zones) {
    Kept.Words = (struct ZoneWord *)(Kept.Zones + count);
    memset(Kept.Words, 0, WORDS_KEPT * sizeof(struct ZoneWord));
  }
  for (DWORD index = 0; Kept.Zones && index < count; index++) {
    DWORD length = KEY_SIZE;
    if (RegEnumKeyExW(root, index, name, &length, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
      continue;
    struct Zone *zone = &Kept.Zones[Kept.ZoneCount];
    ReadZone(root, name, length, zone);
    Kept.ZoneCount += zone->RuleCount > 0;
  }
  RegCloseKey(root);
}

// The registry's zones are loaded by the first caller that needs them.
static void LockZones(int needZones) {
  while (InterlockedCompareExchange(&ZonesLock, 1, 0) != 0)
    Sleep(0);
  if (needZones && !Kept.Loaded)
    LoadZones();
  Kept.Loaded |= needZones;
}

static void UnlockZones(void) { InterlockedExchange(&ZonesLock, 0); }

void ReleaseTimeZones(void) {
  for (int i = 0; i < Kept.ZoneCount; i++)
    GlobalFree(Kept.Zones[i].Texts);
  if (Kept.Zones)
    GlobalFree(Kept.Zones);
  if (Kept.Rules)
    GlobalFree(Kept.Rules);
  if (Kept.Local)
    GlobalFree(Kept.Local);
  memset(&Kept, 0, sizeof Kept);
}

static const int SecondsPerDay = 86400;

static long long YearOfSeconds(long long seconds) {
  long long year;
  int month, day;
  CivilFromDays(DaysOfSeconds(seconds), &year, &month, &day);
  return year;
}

static const ZoneRule *RuleOfYear(const struct Zone *zone, long long year) {
  const YearRule *rules = Kept.Rules + zone->FirstRule;
  int index = zone->RuleCount - 1;
  while (index > 0 && rules[index].Year > year)
    index--;
  return &rules[index].Rule;
}

// The wall-clock moment, in seconds since 1970, of a change in `year`.
// Milliseconds round up: a change at 23:59:59.999 comes at midnight.
static long long ChangeMoment(const SYSTEMTIME *date, long long year) {
  long long days = DaysFromCivil(year, date->wMonth, date->wYear ? date->wDay : 1);
  if (!date->wYear) {
    long long next = DaysFromCivil(year, date->wMonth + 1, 1);
    days += (date->wDayOfWeek - WeekdayOfDays(days) + 7) % 7 + (date->wDay - 1) * 7;
    while (days >= next)
      days -= 7;
  }
  return days * SecondsPerDay + date->wHour * 3600 + date->wMinute * 60 + date->wSecond +
         (date->wMilliseconds > 0);
}

// The year `clock` lies in, kept for the zone with its bounds; the zone's
// lock is held.
static long long YearOf(struct Zone *zone, long long clock) {
  if (clock < zone->YearStart || clock >= zone->YearEnd) {
    long long year = YearOfSeconds(clock);
    zone->YearStart = DaysFromCivil(year, 1, 1) * SecondsPerDay;
    zone->YearEnd = DaysFromCivil(year + 1, 1, 1) * SecondsPerDay;
    zone->Year = (int)year;
  }
  return zone->Year;
}

// As Windows tells daylight time: within the year of the standard time,
// the change to daylight time is read on the standard clock and the change
// back on the daylight clock; a daylight time that spans the new year
// (southern zones) lies outside the two changes.
static int IsDaylight(struct Zone *zone, const ZoneRule *rule, long long standardClock,
                      long long daylightClock) {
  if (!rule->StandardDate.wMonth || !rule->DaylightDate.wMonth)
    return -1;
  // The moment's year, kept by the caller, is the standard clock's but
  // within hours of the new year.
  long long year = standardClock >= zone->YearStart && standardClock < zone->YearEnd
                       ? zone->Year
                       : YearOfSeconds(standardClock);
  if (zone->ChangesYear != year || zone->YearRule != rule) {
    zone->ToStandard = ChangeMoment(&rule->StandardDate, year);
    zone->ToDaylight = ChangeMoment(&rule->DaylightDate, year);
    zone->ChangesYear = (int)year;
    zone->YearRule = rule;
  }
  int beforeStandard = daylightClock < zone->ToStandard;
  int afterDaylight = standardClock >= zone->ToDaylight;
  if (rule->DaylightDate.wMonth < rule->StandardDate.wMonth)
    return beforeStandard && afterDaylight;
  return beforeStandard || afterDaylight;
}

// Minutes west of UTC, as Windows counts; with no daylight rule the bias
// alone, as Windows takes it then.
static LONG BiasOf(const ZoneRule *rule, int daylight) {
  return rule->Bias + (daylight < 0 ? 0 : daylight ? rule->DaylightBias : rule->StandardBias);
}

static struct Zone *NamedZone(const TimeZoneRef *zone) {
  return zone->kind == ZONE_NAMED && zone->index >= 0 && zone->index < Kept.ZoneCount
             ? &Kept.Zones[zone->index]
             : NULL;
}

// Local time's rules, read when first asked or a minute after they were
// read; null when the system cannot tell them. The zones' lock is held.
static struct Zone *LocalZone(void) {
  struct LocalRules *local = Kept.Local;
  DWORD now = GetTickCount();
  if (local && local->Known && now - local->ReadAt < 60000)
    return &local->Zone;
  if (!local)
    local = Kept.Local = (struct LocalRules *)GlobalAlloc(GPTR, sizeof *local);
  TIME_ZONE_INFORMATION system;
  if (!local || GetTimeZoneInformation(&system) == TIME_ZONE_ID_INVALID)
    return NULL;
  // The year's changes kept from the old rules are forgotten with them.
  memset(local, 0, sizeof *local);
  local->Rule.Bias = system.Bias;
  local->Rule.StandardBias = system.StandardBias;
  local->Rule.DaylightBias = system.DaylightBias;
  local->Rule.StandardDate = system.StandardDate;
  local->Rule.DaylightDate = system.DaylightDate;
  local->ReadAt = now;
  local->Known = 1;
  return &local->Zone;
}

// The rules of the moment's year, which is kept for the zone.
static const ZoneRule *RuleAt(struct Zone *zone, long long moment) {
  long long year = YearOf(zone, moment);
  return Kept.Local && zone == &Kept.Local->Zone ? &Kept.Local->Rule : RuleOfYear(zone, year);
}

// Whether a moment lies in the years 1601..9999: days -134774 and 2932897
// are 1 January 1601 and 10000.
static int InZoneYears(long long moment) {
  return moment >= -134774LL * SecondsPerDay && moment < 2932897LL * SecondsPerDay;
}

int ZoneOffsetAt(const TimeZoneRef *ref, long long moment, int wall, int *offset, int *daylight) {
  *offset = ref->kind == ZONE_FIXED ? ref->fixedMinutes : 0;
  *daylight = 0;
  if (ref->kind == ZONE_FIXED || !InZoneYears(moment))
    return InZoneYears(moment);
  LockZones(ref->kind == ZONE_NAMED);
  struct Zone *zone = ref->kind == ZONE_LOCAL ? LocalZone() : NamedZone(ref);
  if (zone) {
    const ZoneRule *rule = RuleAt(zone, moment);
    long long standard = wall ? 0 : 60LL * (rule->Bias + rule->StandardBias);
    long long daylightBias = wall ? 0 : 60LL * (rule->Bias + rule->DaylightBias);
    int state = IsDaylight(zone, rule, moment - standard, moment - daylightBias);
    *offset = -(int)BiasOf(rule, state);
    *daylight = state > 0;
  }
  UnlockZones();
  return zone != NULL;
}

int ZoneTimeFromUtc(const TimeZoneRef *zone, const struct tm *utc, struct tm *local,
                    int *offsetMinutes) {
  long long moment = SecondsOfRecord(utc);
  int daylight;
  if (!ZoneOffsetAt(zone, moment, 0, offsetMinutes, &daylight))
    return 0;
  RecordOfSeconds(moment + *offsetMinutes * 60LL, local);
  local->tm_isdst = daylight;
  return 1;
}

int ZoneTimeToUtc(const TimeZoneRef *zone, const struct tm *local, struct tm *utc) {
  long long wall = SecondsOfRecord(local);
  int offset, daylight;
  if (!ZoneOffsetAt(zone, wall, 1, &offset, &daylight))
    return 0;
  RecordOfSeconds(wall - offset * 60LL, utc);
  return 1;
}

static WCHAR Lower(WCHAR c) { return (WCHAR)(c >= 'A' && c <= 'Z' ? c + 32 : c); }

static int IsWordChar(WCHAR c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80;
}

// Where `word` stands in `text` as whole words (with `whole`, as all of
// it); both are in capitals.
static int HasWords(const WCHAR *text, const WCHAR *word, int whole) {
  int length = 0;
  while (word[length])
    length++;
  for (const WCHAR *at = text; *at; at++) {
    int i = 0;
    while (i < length && at[i] == word[i])
      i++;
    if (i == length && (at == text || !IsWordChar(at[-1])) && !IsWordChar(at[length]) &&
        (!whole || (at == text && !at[length])))
      return 1;
    if (whole)
      return 0;
  }
  return 0;
}

// Whether text is word, case ignored for Latin letters.
static int IsWord(const WCHAR *text, const char *word) {
  while (*word && Lower(*text) == *word)
    text++, word++;
  return !*text && !*word;
}

// "+5", "-3", "+5:30", "+0530" after "UTC": minutes east of UTC.
static int ParseOffset(const WCHAR *text, int *minutes) {
  int digits[4], count = 0, colon = 0;
  for (const WCHAR *c = text + 1; *c; c++) {
    if (*c == ':' && count > 0 && count <= 2 && !colon)
      colon = count;
    else if (*c >= '0' && *c <= '9' && count < 4)
      digits[count++] = *c - '0';
    else
      return 0;
  }
  int hourDigits = colon ? colon : count <= 2 ? count : 2;
  // A colon is followed by the minutes: "+5:" is a mistake, not +5.
  if ((text[0] != '+' && text[0] != '-') || !count || (!colon && count == 3) ||
      (colon && count == colon) || (count > hourDigits && count - hourDigits != 2))
    return 0;
  int hours = hourDigits == 2 ? digits[0] * 10 + digits[1] : digits[0];
  int rest = count > hourDigits ? digits[hourDigits] * 10 + digits[hourDigits + 1] : 0;
  if (hours > 14 || rest > 59 || (hours == 14 && rest))
    return 0;
  *minutes = (text[0] == '-' ? -1 : 1) * (hours * 60 + rest);
  return 1;
}

// Steps 3 to 6 of the order the header gives: the first zone that matches
// at the earliest step; -1 when none does.
static int FindNamedZone(const WCHAR *wanted) {
  static const WCHAR Standard[] = {' ', 'S', 'T', 'A', 'N', 'D', 'A', 'R',
                                   'D', ' ', 'T', 'I', 'M', 'E', 0};
  WCHAR word[DISPLAY_SIZE], standard[DISPLAY_SIZE + 16];
  int letters = 0;
  int count = 0;
  for (; wanted[count]; count++)
    letters |=
        (Lower(wanted[count]) >= 'a' && Lower(wanted[count]) <= 'z') || wanted[count] >= 0x80;
  if (!letters)
    return -1;
  memcpy(word, wanted, ++count * sizeof(WCHAR));
  CharUpperBuffW(word, (DWORD)count);
  memcpy(standard, word, (count - 1) * sizeof(WCHAR));
  memcpy(standard + count - 1, Standard, sizeof Standard);
  for (int step = 0; step < 4; step++)
    for (int index = 0; index < Kept.ZoneCount; index++) {
      const struct Zone *zone = &Kept.Zones[index];
      if (step < 2    ? HasWords(zone->Key, step ? standard : word, 1)
          : step == 2 ? HasWords(zone->Key, word, 0)
                      : HasWords(zone->Display, word, 0))
        return index;
    }
  return -1;
}

static int SameWord(const WCHAR *a, const WCHAR *b) {
  while (*a && *a == *b)
    a++, b++;
  return *a == *b;
}

// The last words' zones are kept, so that a format expanded again and
// again (the clock's, each second) does not search every zone each time.
static int KeptNamedZone(const WCHAR *wanted) {
  int index = -2;
  LockZones(1);
  for (int i = 0; Kept.Words && i < WORDS_KEPT && index == -2; i++)
    if (SameWord(Kept.Words[i].Word, wanted))
      index = Kept.Words[i].Index;
  if (index == -2) {
    index = FindNamedZone(wanted);
    int length = 0;
    while (wanted[length])
      length++;
    if (Kept.Words && length < WORD_SIZE) {
      int slot = Kept.NextWord++ % WORDS_KEPT;
      memcpy(Kept.Words[slot].Word, wanted, (size_t)(length + 1) * sizeof(WCHAR));
      Kept.Words[slot].Index = index;
    }
  }
  UnlockZones();
  return index;
}

int FindTimeZoneW(const WCHAR *text, int length, TimeZoneRef *zone) {
  WCHAR wanted[DISPLAY_SIZE];
  if (!text || length <= 0 || length >= DISPLAY_SIZE)
    return 0;
  for (int i = 0; i < length; i++) {
    if (!text[i])
      return 0;
    wanted[i] = text[i] == '_' ? ' ' : text[i];
  }
  wanted[length] = 0;
  if (wanted[0] == ' ')
    return 0;
  TimeZoneRef found = LocalTimeZone;
  int utc = Lower(wanted[0]) == 'u' && Lower(wanted[1]) == 't' && Lower(wanted[2]) == 'c' &&
            (!wanted[3] || wanted[3] == '+' || wanted[3] == '-');
  if (IsWord(wanted, "local"))
    ;
  else if (utc) {
    found.kind = ZONE_FIXED;
    if (length > 3 && !ParseOffset(wanted + 3, &found.fixedMinutes))
      return 0;
  } else if ((found.index = KeptNamedZone(wanted)) >= 0)
    found.kind = ZONE_NAMED;
  else
    return 0;
  *zone = found;
  return 1;
}

int FindTimeZone(const char *text, int length, TimeZoneRef *zone) {
  WCHAR wide[DISPLAY_SIZE];
  if (!text || length <= 0 || length >= DISPLAY_SIZE || memchr(text, 0, (size_t)length))
    return 0;
  int count = MultiByteToWideChar(CP_OEMCP, 0, text, length, wide, DISPLAY_SIZE);
  return count > 0 && FindTimeZoneW(wide, count, zone);
}

int ZoneNameW(const TimeZoneRef *ref, int daylight, WCHAR *text, int size) {
  TIME_ZONE_INFORMATION local;
  char fixed[16];
  if (!text || size <= 0)
    return 0;
  text[0] = 0;
  // A name of any length: converted under the lock, cut where the text ends.
  LockZones(ref->kind == ZONE_NAMED);
  const struct Zone *zone = NamedZone(ref);
  const char *name = zone ? zone->Names[daylight && zone->Names[1][0]] : "";
  int bytes = (int)strlen(name), named = 0;
  while (bytes > 0 && !(named = MultiByteToWideChar(CP_ACP, 0, name, bytes, text, size - 1)))
    bytes = bytes > size - 1 ? size - 1 : bytes - 1;
  text[named] = 0;
  UnlockZones();
  if (zone)
    return named;
  const char *ansi = NULL;
  if (ref->kind == ZONE_FIXED) {
    int minutes = ref->fixedMinutes < 0 ? -ref->fixedMinutes : ref->fixedMinutes;
    // "UTC+hh:mm", or "UTC" alone for no offset.
    char sign = ref->fixedMinutes < 0 ? '-' : '+';
    const char written[] = {'U',
                            'T',
                            'C',
                            sign,
                            (char)('0' + minutes / 600 % 10),
                            (char)('0' + minutes / 60 % 10),
                            ':',
                            (char)('0' + minutes % 60 / 10),
                            (char)('0' + minutes % 10),
                            0};
    memcpy(fixed, written, sizeof written);
    fixed[minutes ? 9 : 3] = 0;
    ansi = fixed;
  }
  if (ref->kind == ZONE_LOCAL && GetTimeZoneInformation(&local) != TIME_ZONE_ID_INVALID) {
    const WCHAR *system = daylight ? local.DaylightName : local.StandardName;
    int length = 0;
    while (length < 31 && length < size - 1 && system[length])
      length++;
    memcpy(text, system, (size_t)length * sizeof(WCHAR));
    text[length] = 0;
    return length;
  }
  int count = ansi ? MultiByteToWideChar(CP_ACP, 0, ansi, -1, text, size) : 0;
  if (count <= 1) {
    text[0] = 0;
    return 0;
  }
  return count - 1;
}

int ZoneName(const TimeZoneRef *ref, int daylight, UINT codePage, char *text, int size) {
  WCHAR wide[ZONE_NAME_SIZE];
  int length = ZoneNameW(ref, daylight, wide, ZONE_NAME_SIZE);
  UINT page = codePage == CP_ACP ? GetACP() : codePage == CP_OEMCP ? GetOEMCP() : codePage;
  // Windows refuses the used-default flag for UTF-8.
  BOOL lost = FALSE;
  int count = length > 0 && size > 0 ? WideCharToMultiByte(codePage, 0, wide, -1, text, size, NULL,
                                                           page == CP_UTF8 ? NULL : &lost)
                                     : 0;
  if (count <= 1 || lost) {
    if (size > 0)
      text[0] = 0;
    return 0;
  }
  return count - 1;
}
