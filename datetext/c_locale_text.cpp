#include "datetext/c_locale_text.h"

static const char *const DayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                       "Thursday", "Friday", "Saturday"};
static const char *const MonthNames[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

// The layouts: a letter of the record after each '%', other characters as
// they stand.
static const char ShortDate[] = "%m/%d/%y";
static const char LongDate[] = "%A, %B %d, %Y";
static const char Time[] = "%H:%M:%S";

struct Writer {
  WCHAR *Text;
  int Size;
  int Used; // -1 once something did not fit
};

static void Put(struct Writer *out, const char *text, int count) {
  for (int i = 0; i < count && out->Used >= 0; i++) {
    if (out->Used >= out->Size - 1) {
      out->Used = -1;
      return;
    }
    out->Text[out->Used++] = (WCHAR)text[i];
  }
}

static int Length(const char *text) {
  int length = 0;
  while (text[length])
    length++;
  return length;
}

static void PutDigits(struct Writer *out, int value, int width) {
  char digits[4];
  for (int i = width - 1; i >= 0; i--, value /= 10)
    digits[i] = (char)('0' + value % 10);
  Put(out, digits, width);
}

static void PutField(struct Writer *out, char letter, const struct tm *t) {
  switch (letter) {
  case 'A':
    return Put(out, DayNames[t->tm_wday], Length(DayNames[t->tm_wday]));
  case 'B':
    return Put(out, MonthNames[t->tm_mon], Length(MonthNames[t->tm_mon]));
  case 'm':
    return PutDigits(out, t->tm_mon + 1, 2);
  case 'd':
    return PutDigits(out, t->tm_mday, 2);
  case 'y':
    return PutDigits(out, (t->tm_year + 1900) % 100, 2);
  case 'Y':
    return PutDigits(out, t->tm_year + 1900, 4);
  case 'H':
    return PutDigits(out, t->tm_hour, 2);
  case 'M':
    return PutDigits(out, t->tm_min, 2);
  default:
    return PutDigits(out, t->tm_sec, 2);
  }
}

static void PutLayout(struct Writer *out, const char *layout, const struct tm *t) {
  for (const char *p = layout; *p; p++)
    if (*p == '%')
      PutField(out, *++p, t);
    else
      Put(out, p, 1);
}

static int InRange(const struct tm *t) {
  return t->tm_wday >= 0 && t->tm_wday <= 6 && t->tm_mon >= 0 && t->tm_mon <= 11 &&
         t->tm_year >= -1900 && t->tm_year <= 9999 - 1900;
}

int CLocaleText(char conversion, int alternate, const struct tm *record, WCHAR *text, int size) {
  struct Writer out = {text, size, 0};
  if (!text || size <= 0 || !InRange(record))
    return -1;
  switch (conversion) {
  case 'a':
  case 'A':
  case 'b':
  case 'B': {
    int day = conversion == 'a' || conversion == 'A';
    const char *name = day ? DayNames[record->tm_wday] : MonthNames[record->tm_mon];
    Put(&out, name, conversion == 'a' || conversion == 'b' ? 3 : Length(name));
    break;
  }
  case 'p':
    Put(&out, record->tm_hour < 12 ? "AM" : "PM", 2);
    break;
  case 'c':
  case 'x':
    PutLayout(&out, alternate ? LongDate : ShortDate, record);
    if (conversion == 'x')
      break;
    Put(&out, " ", 1);
    // fall through
  case 'X':
    PutLayout(&out, Time, record);
    break;
  default:
    out.Used = -1;
  }
  text[out.Used > 0 ? out.Used : 0] = 0;
  return out.Used;
}
