#include "datetext/date_text.h"

#include <string.h>

#include "datetext/c_locale_text.h"
#include "datetext/civil_date.h"
#include "datetext/date_offset.h"
#include "datetext/local_time.h"
#include "datetext/locale_names.h"

// strchr of our own: under Wine the runtime's costs a tenth of a whole
// expansion, and a format is searched character by character.
template <typename Char> static const Char *FindChar(const Char *text, Char wanted) {
  for (;; text++) {
    if (*text == wanted)
      return text;
    if (!*text)
      return NULL;
  }
}

// A format's character as a conversion's letter: every letter of the set
// is ASCII; any other character is none of them.
static char Letter(WCHAR c) { return c < 0x80 ? (char)c : '\x7F'; }

// A layout or composite of the plugin's own (ASCII) as a format.
enum { LAYOUT_SIZE = 32 };
static const WCHAR *WidenLayout(const char *layout, WCHAR *wide) {
  int i = 0;
  for (; layout[i] && i < LAYOUT_SIZE - 1; i++)
    wide[i] = (WCHAR)(unsigned char)layout[i];
  wide[i] = 0;
  return wide;
}

// The conversions of the C runtimes, which the plugin writes as the
// Windows runtime does in the C locale; with GNU's they make the set.
static int IsClassicConversion(char c) {
  return c != 0 && FindChar("aAbBcdHIjmMpSUwWxXyYZ%", c) != NULL;
}

static int Clamp(int value, int low, int high) {
  return value < low ? low : value > high ? high : value;
}

// The calendar's years, 1601 to 9999; a record from another module may
// hold anything.
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

static int WideLength(const WCHAR *text) {
  int length = 0;
  while (text[length])
    length++;
  return length;
}

static int IsHighSurrogate(WCHAR c) { return c >= 0xD800 && c < 0xDC00; }

// Appends up to `count` characters; an expansion longer than the text is
// cut, never inside a surrogate pair, and the text stays terminated.
static int Append(DateExpansion *out, int used, const WCHAR *text, int count) {
  int room = DATE_TEXT_SIZE - used;
  if (count > room) {
    count = room;
    if (count > 0 && IsHighSurrogate(text[count - 1]))
      count--;
  }
  if (count > 0) {
    memcpy(out->Text + used, text, (size_t)count * sizeof(WCHAR));
    used += count;
  }
  out->Text[used] = 0;
  return used;
}

// The plugin's own ASCII pieces: digits, offsets, "UTC".
static int AppendAscii(DateExpansion *out, int used, const char *text, int count) {
  for (int i = 0; i < count && used < DATE_TEXT_SIZE; i++)
    out->Text[used++] = (WCHAR)(unsigned char)text[i];
  out->Text[used] = 0;
  return used;
}

// The format's own text, of any script, as it stands.
static int AppendFormatText(DateExpansion *out, int used, const WCHAR *text, int count) {
  return Append(out, used, text, count);
}

// A language's text, or a zone's name (language 0), with the English that
// stands for it in a code page that cannot hold it.
static int AppendRun(DateExpansion *out, int used, const WCHAR *own, int count,
                     const WCHAR *english, int englishCount, LCID language, int kind) {
  int next = Append(out, used, own, count);
  if (next == used || out->RunCount >= NAME_RUN_LIMIT)
    return next;
  int room = ENGLISH_POOL_SIZE - out->EnglishUsed;
  englishCount = englishCount < room ? englishCount : room;
  struct NameRun *run = &out->Runs[out->RunCount++];
  run->Start = (WORD)used;
  run->Length = (WORD)(next - used);
  run->EnglishStart = (WORD)out->EnglishUsed;
  run->EnglishLength = (WORD)(englishCount > 0 ? englishCount : 0);
  run->Language = language;
  run->Kind = kind;
  run->Conversion = run->Upper = 0;
  run->Value = 0;
  if (englishCount > 0)
    memcpy(out->English + out->EnglishUsed, english, (size_t)englishCount * sizeof(WCHAR));
  out->EnglishUsed += run->EnglishLength;
  return next;
}

// A language's name, its English told by the field it names.
static int AppendNameRun(DateExpansion *out, int used, const WCHAR *own, int count, LCID language,
                         char conversion, const struct tm *record) {
  int runs = out->RunCount;
  int next = AppendRun(out, used, own, count, NULL, 0, language, RUN_NAME);
  if (out->RunCount == runs)
    return next;
  struct NameRun *run = &out->Runs[runs];
  run->Conversion = conversion;
  run->Upper = 0;
  run->Value = (WORD)(conversion == 'p'                        ? record->tm_hour
                      : conversion == 'a' || conversion == 'A' ? record->tm_wday
                                                               : record->tm_mon);
  return next;
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
  // C locale's English names.
  const WCHAR *language;
  int languageLength;
  const WCHAR *format; // the whole format, which decides the genitive
  const WCHAR *at;     // the conversion of the format being expanded
  int dayBefore;       // a day number precedes `at` with only separators between
  // Where the blocks put the moment, once the first is met: the record
  // the expansion began from (in UTC when startUtc), the offset it was read
  // with when known, and the zone and offset in force; the zone %Z names
  // when zoned.
  int blocksMet;
  struct tm start;
  int startUtc, startOffsetKnown, startOffset;
  struct BlockPlace place;
  int zoned;
  TimeZoneRef zone;
  int outOfRange; // a block put the moment outside the calendar's years
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
  // A record that leaves it open takes the zone's rules for its moment.
  if (moment->isNow || moment->record.tm_isdst < 0)
    moment->record.tm_isdst = daylight;
}

// "+hhmm", or "+hh:mm" with the colon; nothing when the offset cannot be
// told, rather than a wrong one.
static int AppendOffset(DateExpansion *out, int used, Moment *moment, int colon) {
  ReadZone(moment);
  if (!moment->zoneKnown)
    return used;
  int minutes = moment->offset < 0 ? -moment->offset : moment->offset;
  char text[6] = {moment->offset < 0 ? '-' : '+', (char)('0' + minutes / 600 % 10),
                  (char)('0' + minutes / 60 % 10), ':'};
  text[3 + colon] = (char)('0' + minutes % 60 / 10);
  text[4 + colon] = (char)('0' + minutes % 10);
  return AppendAscii(out, used, text, 5 + colon);
}

// A conversion's flags: the runtime's "#" (no padding; the long date for
// %c and %x) and GNU's "-" (no padding), "_" (blanks), "0" (zeros) and "^"
// (upper case); of the padding flags the last one counts.
enum {
  FLAG_ALT = 1,
  FLAG_NO_PAD = 2,
  FLAG_BLANK_PAD = 4,
  FLAG_ZERO_PAD = 8,
  FLAG_UPPER = 16,
  FLAG_COLON = 32,
  PAD_FLAGS = FLAG_NO_PAD | FLAG_BLANK_PAD | FLAG_ZERO_PAD
};

// The flags and modifier after a '%'; returns the conversion's letter.
static const WCHAR *TakeConversion(const WCHAR *percent, int *flags);

// The width of a number's conversion; 0 for a letter that gives none. A
// switch, not a search: it is asked for every conversion.
static int NumericWidth(char conversion) {
  switch (conversion) {
  case 'C':
  case 'd':
  case 'e':
  case 'H':
  case 'I':
  case 'm':
  case 'M':
  case 'S':
  case 'U':
  case 'W':
  case 'y':
  case 'g':
  case 'V':
    return 2;
  case 'j':
    return 3;
  case 'u':
  case 'w':
  case 'Y':
  case 'G':
    return 1;
  default:
    return 0;
  }
}

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
  }
  int isoYear = IsoWeekOfDay(year, t->tm_yday, t->tm_wday, &week); // g, G, V
  return conversion == 'V' ? week : conversion == 'g' ? isoYear % 100 : isoYear;
}

// A number in its width, padded with zeros (blanks for %e) unless a flag
// says otherwise.
static int AppendNumber(DateExpansion *out, int used, const struct tm *t, char conversion,
                        int flags) {
  int width = flags & (FLAG_ALT | FLAG_NO_PAD) ? 1 : NumericWidth(conversion);
  char digits[12];
  int count = 0;
  char pad = flags & FLAG_BLANK_PAD  ? ' '
             : flags & FLAG_ZERO_PAD ? '0'
             : conversion == 'e'     ? ' '
                                     : '0';
  for (int value = NumberFor(t, conversion); value || count < width; value /= 10) {
    char digit = value || !count ? (char)('0' + value % 10) : pad;
    digits[sizeof digits - 1 - count++] = digit;
  }
  return AppendAscii(out, used, digits + sizeof digits - count, count);
}

// One piece of a format: a conversion (its letter), a block ('{') or a
// character of text (0). Returns where the next piece starts.
static const WCHAR *TakePiece(const WCHAR *p, char *letter) {
  *letter = 0;
  if (*p != '%')
    return p + 1;
  const WCHAR *blockEnd = p[1] == '{' ? FormatBlockEnd(p) : NULL;
  if (blockEnd) {
    *letter = '{';
    return blockEnd;
  }
  int flags;
  const WCHAR *at = TakeConversion(p, &flags);
  *letter = *at ? Letter(*at) : 0;
  return *at ? at + 1 : at;
}

static int IsDayNumber(char letter) { return letter == 'd' || letter == 'e'; }

// Blanks and punctuation; a line break, a letter or a digit part things.
static int IsSeparator(WCHAR c) {
  int alphanumeric = (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
  return c == ' ' || c == '\t' || (c > ' ' && c < 0x7F && !alphanumeric);
}

// Whether a month's name at `at` stands beside a day number: the nearest
// conversion before or after it on its line is %d or %e (any flags), with
// only blanks and punctuation between. The name then takes the form
// Windows' own dates give it after a day number.
// What comes before is followed as the format is expanded (`dayBefore`):
// asked for each month, a search from the start cost a good part of an
// expansion.
static int IsBesideDayNumber(const WCHAR *at, int dayBefore) {
  if (dayBefore)
    return 1;
  char letter;
  for (const WCHAR *p = TakePiece(at, &letter), *piece = p; *p; piece = p) {
    p = TakePiece(p, &letter);
    if (letter && letter != '{')
      return IsDayNumber(letter);
    if (!letter && !IsSeparator(*piece))
      return 0;
  }
  return 0;
}

static int ExpandFormat(DateExpansion *out, int used, const WCHAR *format, Moment *moment,
                        int outerFlags);

enum { ENGLISH_TEXT_SIZE = 64 };

// The C locale's name, or layout, of the conversion into english (of
// ENGLISH_TEXT_SIZE); its length, -1 when the letter has none.
static int EnglishText(DateExpansion *out, int used, Moment *moment, char conversion, int flags,
                       WCHAR *english) {
  const char *layout = CLocaleLayout(conversion, flags & FLAG_ALT);
  if (!layout)
    return CLocaleName(conversion, &moment->record, english, ENGLISH_TEXT_SIZE);
  // Expanded where the text goes on, in English, and taken back.
  const WCHAR *language = moment->language;
  WCHAR wide[LAYOUT_SIZE];
  moment->language = NULL;
  int count = ExpandFormat(out, used, WidenLayout(layout, wide), moment, 0) - used;
  moment->language = language;
  count = count < ENGLISH_TEXT_SIZE ? count : ENGLISH_TEXT_SIZE - 1;
  memcpy(english, out->Text + used, (size_t)count * sizeof(WCHAR));
  out->Text[used] = 0;
  return count;
}

// A name or layout: the C locale's English, or the language's in force
// with that English beside it; -1 when the letter has none.
static int AppendNamed(DateExpansion *out, int used, Moment *moment, char conversion, int flags) {
  WCHAR english[ENGLISH_TEXT_SIZE], own[128];
  int layout = CLocaleLayout(conversion, 0) != NULL;
  int genitive = moment->language && (conversion == 'b' || conversion == 'B') &&
                 IsBesideDayNumber(moment->at, moment->dayBefore);
  LCID language = 0;
  int count = moment->language
                  ? LanguageText(moment->language, moment->languageLength, conversion,
                                 flags & FLAG_ALT, genitive, &moment->record, own, 128, &language)
                  : -1;
  // A name's English waits until a code page asks for it.
  if (count >= 0 && !layout)
    return AppendNameRun(out, used, own, count, language, conversion, &moment->record);
  int englishCount = EnglishText(out, used, moment, conversion, flags, english);
  if (englishCount < 0)
    return -1;
  if (count < 0)
    return Append(out, used, english, englishCount);
  return AppendRun(out, used, own, count, english, englishCount, language, RUN_LAYOUT);
}

// The moment as the first block finds it, before any block moved it.
static void StartBlocks(Moment *moment) {
  moment->blocksMet = 1;
  moment->start = moment->record;
  moment->startUtc = moment->utc;
  moment->startOffsetKnown = moment->zoneRead && moment->zoneKnown;
  moment->startOffset = moment->offset;
  // "!" is a block naming UTC before the format.
  memset(&moment->place, 0, sizeof moment->place);
  moment->place.Zoned = moment->utc;
  moment->place.Zone.kind = ZONE_FIXED;
}

// The UTC moment the expansion began from, in seconds since 1970; 0 when
// it cannot be told.
static int StartInUtc(const Moment *moment, long long *utcSeconds) {
  long long wall = SecondsOfRecord(&moment->start);
  int offset = moment->startUtc ? 0 : moment->startOffset, daylight;
  if (!moment->startUtc && !moment->startOffsetKnown &&
      !ZoneOffsetAt(&LocalTimeZone, wall, 1, &offset, &daylight))
    return 0;
  *utcSeconds = wall - offset * 60LL;
  return 1;
}

// The record where the blocks put the moment; nothing is written when that
// leaves the calendar's years or the zone cannot tell the time.
static void PlaceTakenMoment(Moment *moment) {
  struct BlockPlace place = moment->place;
  // Seen from UTC, local time too is a zone's.
  if (moment->startUtc && !place.Zoned) {
    place.Zoned = 1;
    place.Zone.kind = ZONE_LOCAL;
  }
  long long utc = 0;
  int placed = !place.Zoned || StartInUtc(moment, &utc)
                   ? PlaceMoment(&place, &moment->start, utc, &moment->record, &moment->offset)
                   : 0;
  moment->outOfRange |= !placed;
  moment->utc = 0;
  moment->zoned = place.Zoned;
  moment->zone = place.Zone;
  // A local date's offset and daylight flag are read when a conversion
  // asks; a zone's came with the time.
  moment->zoneRead = moment->zoneKnown = placed == 1;
  moment->isNow = 1;
}

// A block "%{...}": its words set the language, the zone and the offset
// from here on; a word not known, or a zone not found, changes nothing.
// Returns where the format goes on; null when no "}" closes the block.
static const WCHAR *TakeBlock(const WCHAR *percent, Moment *moment) {
  struct FormatBlock block;
  if (!ReadFormatBlock(percent, &block))
    return NULL;
  if (!moment->blocksMet)
    StartBlocks(moment);
  if (block.Language) {
    int runtime = block.LanguageLength == 1 && (*block.Language == 'C' || *block.Language == 'c');
    moment->language = runtime ? NULL : block.Language;
    moment->languageLength = block.LanguageLength;
  }
  TimeZoneRef zone;
  int zoneFound = block.Zone && FindTimeZoneW(block.Zone, block.ZoneLength, &zone);
  if (zoneFound) {
    moment->place.Zoned = zone.kind != ZONE_LOCAL;
    moment->place.Zone = zone;
  }
  if (block.HasOffset)
    moment->place.Offset = block.Offset;
  if (zoneFound || block.HasOffset)
    PlaceTakenMoment(moment);
  return block.End;
}

// Conversions made of others, in the C locale's layouts.
static const char *const Composites[] = {"D%m/%d/%y",    "F%Y-%m-%d", "R%H:%M", "T%H:%M:%S",
                                         "r%I:%M:%S %p", "h%b",       "n\n",    "t\t"};

// The modifiers the C locale accepts and ignores, and what each may
// precede.
static int TakesModifier(char modifier, char conversion) {
  const char *allowed = modifier == 'E' ? "cCxXyY" : "bBhdeHImMSuUVwWy";
  return conversion != 0 && FindChar(allowed, conversion) != NULL;
}

// %Z: "UTC" for a UTC record, otherwise the zone's name as the system
// gives it, standard or daylight as the record's moment has it there.
static int AppendZoneName(DateExpansion *out, int used, Moment *moment) {
  if (moment->utc)
    return AppendAscii(out, used, "UTC", 3);
  ReadZone(moment);
  WCHAR name[ZONE_NAME_SIZE];
  const TimeZoneRef *zone = moment->zoned ? &moment->zone : &LocalTimeZone;
  int length = ZoneNameW(zone, moment->record.tm_isdst > 0, name, ZONE_NAME_SIZE);
  return AppendRun(out, used, name, length, NULL, 0, 0, RUN_ZONE);
}

// One conversion at `conversion`; returns the new length, or -1 when the
// letter is none of the set.
static int AppendConversion(DateExpansion *out, int used, Moment *moment, char conversion,
                            int flags) {
  if (conversion == 'Z')
    return AppendZoneName(out, used, moment);
  if (conversion == 'z')
    return AppendOffset(out, used, moment, (flags & FLAG_COLON) != 0);
  if (conversion == '%')
    return AppendAscii(out, used, "%", 1);
  // Numbers first: the commonest conversions, and never a name.
  if (NumericWidth(conversion))
    return AppendNumber(out, used, &moment->record, conversion, flags);
  int named = AppendNamed(out, used, moment, conversion, flags);
  if (named >= 0)
    return named;
  WCHAR wide[LAYOUT_SIZE];
  for (const char *composite : Composites)
    if (composite[0] == conversion)
      return ExpandFormat(out, used, WidenLayout(composite + 1, wide), moment, flags & FLAG_ALT);
  return -1;
}

// Upper case from `from` on, the English of the runs there too.
static void ToUpperCase(DateExpansion *out, int from, int to) {
  CharUpperBuffW(out->Text + from, (DWORD)(to - from));
  for (int i = out->RunCount - 1; i >= 0 && out->Runs[i].Start >= from; i--) {
    out->Runs[i].Upper = 1;
    if (out->Runs[i].EnglishLength)
      CharUpperBuffW(out->English + out->Runs[i].EnglishStart, out->Runs[i].EnglishLength);
  }
}

// The bit of a flag's letter; 0 for any other character.
static int FlagBit(WCHAR c) {
  switch (c) {
  case '#':
    return FLAG_ALT;
  case '-':
    return FLAG_NO_PAD;
  case '_':
    return FLAG_BLANK_PAD;
  case '0':
    return FLAG_ZERO_PAD;
  case '^':
    return FLAG_UPPER;
  default:
    return 0;
  }
}

static const WCHAR *TakeConversion(const WCHAR *percent, int *flags) {
  const WCHAR *q = percent + 1;
  int taken = 0;
  for (int bit; (bit = FlagBit(*q)) != 0; q++)
    taken = (bit & PAD_FLAGS ? taken & ~PAD_FLAGS : taken) | bit;
  if (q[0] == ':' && q[1] == 'z') {
    taken |= FLAG_COLON;
    q++;
  }
  if ((*q == 'E' || *q == 'O') && TakesModifier((char)*q, Letter(q[1])))
    q++;
  *flags = taken;
  return q;
}

int ConversionLength(const WCHAR *percent, int *known) {
  int flags;
  const WCHAR *q = TakeConversion(percent, &flags);
  char letter = Letter(*q);
  *known = *q && (letter == 'z' || IsClassicConversion(letter) || NumericWidth(letter));
  for (const char *composite : Composites)
    *known |= *q && composite[0] == letter;
  return (int)(q - percent) + (*q != 0);
}

// The format's text and conversions after `used` characters; an unknown
// conversion stays as it stands.
// Whether a day number still stands just before: only separators since.
static void FollowText(Moment *moment, const WCHAR *from, const WCHAR *to) {
  for (; moment->dayBefore && from < to; from++)
    moment->dayBefore = IsSeparator(*from);
}

static int ExpandFormat(DateExpansion *out, int used, const WCHAR *format, Moment *moment,
                        int outerFlags) {
  const WCHAR *p = format;
  while (*p && used < DATE_TEXT_SIZE) {
    const WCHAR *percent = FindChar(p, (WCHAR)'%');
    if (!percent)
      return AppendFormatText(out, used, p, WideLength(p));
    used = AppendFormatText(out, used, p, (int)(percent - p));
    if (format == moment->format)
      FollowText(moment, p, percent);
    if (percent[1] == '{') {
      // A "%{" that no "}" closes is text, so that the mistake shows.
      p = TakeBlock(percent, moment);
      if (!p) {
        used = AppendFormatText(out, used, percent, 2);
        p = percent + 2;
      }
      continue;
    }
    int flags;
    const WCHAR *q = TakeConversion(percent, &flags);
    // A composite's own conversions count as the one the format holds.
    if (format == moment->format)
      moment->at = percent;
    int next = AppendConversion(out, used, moment, *q ? Letter(*q) : 0, flags | outerFlags);
    if (format == moment->format)
      moment->dayBefore = *q ? IsDayNumber(Letter(*q)) : moment->dayBefore && IsSeparator('%');
    if (next < 0) {
      used = AppendFormatText(out, used, percent, (int)(q - percent));
      p = q;
      continue;
    }
    if (flags & FLAG_UPPER)
      ToUpperCase(out, used, next);
    used = next;
    p = q + 1;
  }
  return used;
}

// Whether reading now must serve a zone the format may show (a 'z' or 'Z'
// anywhere) or blocks ("%{"), or the clock alone. One pass of our own: under
// Wine the runtime's strpbrk and strstr cost more than a whole expansion.
static int NowNeedsZone(const WCHAR *format) {
  for (const WCHAR *p = format; *p; p++)
    if (*p == 'z' || *p == 'Z' || (p[0] == '%' && p[1] == '{'))
      return 1;
  return 0;
}

// The given record or now, in UTC when asked; 0 when a given record cannot
// be told in UTC, or its UTC moment lies outside the calendar's years
// (nothing is formatted then, rather than a wrong time). A format that may
// show the zone has the zone of now read with the clock.
static int TakeMoment(Moment *moment, const struct tm *given, int utc, const WCHAR *format) {
  moment->utc = utc;
  moment->isNow = 0;
  moment->zoneRead = 0;
  moment->zoneKnown = 0;
  moment->offset = 0;
  if (given) {
    moment->record = *given;
    ClampTimeRecord(&moment->record);
    if (utc && (!LocalToUtc(&moment->record, &moment->record) || !InCalendarYears(&moment->record)))
      return 0;
  } else if (utc) {
    ReadUtcTime(&moment->record);
  } else if (NowNeedsZone(format)) {
    // The local clock alone is ambiguous in the hour repeated when
    // daylight saving ends, and blocks may ask for UTC: read from the UTC
    // clock, it is neither.
    moment->zoneKnown = ReadLocalTimeAndOffset(&moment->record, &moment->offset);
    moment->zoneRead = 1;
  } else {
    ReadLocalClock(&moment->record);
    moment->isNow = 1;
  }
  // A clock, or UTC, may reach past the calendar's years.
  ClampTimeRecord(&moment->record);
  moment->blocksMet = 0;
  moment->zoned = 0;
  moment->outOfRange = 0;
  return 1;
}

int ExpandDateW(DateExpansion *out, const WCHAR *format, const struct tm *moment) {
  static const WCHAR UserOwn[] = {0};
  out->Text[0] = 0;
  out->Length = out->RunCount = out->EnglishUsed = 0;
  if (!format)
    return 0;
  // "!" asks for UTC, as Lua's os.date does.
  int utc = format[0] == '!';
  format += utc;
  Moment taken;
  if (!TakeMoment(&taken, moment, utc, format))
    return DATE_OUT_OF_RANGE;
  taken.language = UserLanguageForAll ? UserOwn : NULL;
  taken.languageLength = 0;
  taken.format = format;
  taken.at = format;
  taken.dayBefore = 0;
  int used = ExpandFormat(out, 0, format, &taken, 0);
  if (taken.outOfRange) {
    out->Text[0] = 0;
    out->RunCount = 0;
    return DATE_OUT_OF_RANGE;
  }
  return out->Length = used;
}

int DecodeFormat(const char *format, WCHAR *text) {
  int length = 0;
  // ASCII is the same in every OEM code page: no call needed.
  for (; format && format[length] && (signed char)format[length] >= 0; length++)
    if (length < FORMAT_TEXT_SIZE - 1)
      text[length] = (WCHAR)format[length];
  if (!format || !format[length]) {
    length = length < FORMAT_TEXT_SIZE - 1 ? length : FORMAT_TEXT_SIZE - 1;
    text[length] = 0;
    return length;
  }
  // A cut keeps a double-byte character whole or leaves it out.
  int bytes = 0;
  while (format[bytes] && bytes < FORMAT_TEXT_SIZE - 1)
    bytes += IsDBCSLeadByteEx(CP_OEMCP, (BYTE)format[bytes]) && format[bytes + 1] ? 2 : 1;
  if (bytes > FORMAT_TEXT_SIZE - 1)
    bytes -= 2;
  length = MultiByteToWideChar(CP_OEMCP, 0, format, bytes, text, FORMAT_TEXT_SIZE - 1);
  length = length > 0 ? length : 0;
  text[length] = 0;
  return length;
}

int ExpandDate(DateExpansion *out, const char *format, const struct tm *moment) {
  WCHAR wide[FORMAT_TEXT_SIZE];
  if (!format) {
    out->Text[0] = 0;
    out->Length = out->RunCount = out->EnglishUsed = 0;
    return 0;
  }
  DecodeFormat(format, wide);
  return ExpandDateW(out, wide, moment);
}

int ExpandDateTextIn(char *buffer, int size, const char *format, const struct tm *moment,
                     UINT codePage) {
  if (!buffer || size <= 0)
    return 0;
  buffer[0] = 0;
  DateExpansion expansion;
  int length = ExpandDate(&expansion, format, moment);
  return length < 0 ? length : WriteExpansion(&expansion, codePage, buffer, size);
}

int ExpandDateText(char *buffer, int size, const char *format, const struct tm *moment) {
  return ExpandDateTextIn(buffer, size, format, moment, CP_OEMCP);
}
