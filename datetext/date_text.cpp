#include "datetext/date_text.h"

#include <string.h>

#include "datetext/local_time.h"

char DateText[DATE_TEXT_SIZE];

// The conversions every C runtime the DLL may meet knows. Others would make
// some runtimes end the process, so they never reach strftime: they are
// copied as they stand.
static int IsKnownConversion(char c) {
  return c != 0 && strchr("aAbBcdHIjmMpSUwWxXyYzZ%", c) != NULL;
}

static int Clamp(int value, int low, int high) {
  return value < low ? low : value > high ? high : value;
}

// Some runtimes also end the process for fields out of range; a record from
// another module may hold anything.
static void ClampTimeRecord(struct tm *record) {
  record->tm_sec = Clamp(record->tm_sec, 0, 59);
  record->tm_min = Clamp(record->tm_min, 0, 59);
  record->tm_hour = Clamp(record->tm_hour, 0, 23);
  record->tm_mday = Clamp(record->tm_mday, 1, 31);
  record->tm_mon = Clamp(record->tm_mon, 0, 11);
  record->tm_year = Clamp(record->tm_year, 0, 8099);
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

// Each conversion of the format one every runtime knows: the whole format
// can then go to strftime in one call.
static int OnlyKnownConversions(const char *format) {
  for (const char *p = strchr(format, '%'); p; p = strchr(p, '%')) {
    int flag = p[1] == '#';
    if (!IsKnownConversion(p[1 + flag]))
      return 0;
    p += 2 + flag;
  }
  return 1;
}

// Room for a whole expansion made in one call, cut to the caller's buffer
// afterwards; a longer one is made conversion by conversion.
enum { WHOLE_EXPANSION_SIZE = 512 };

// The whole format in one strftime call, the runtime's fixed cost paid once;
// -1 when that cannot be done (a conversion left to the loop, an expansion
// longer than the room, or an empty one).
static int ExpandInOneCall(char *buffer, int size, const char *format, const struct tm *record) {
  if (!strchr(format, '%'))
    return Append(buffer, size, 0, format, (int)strlen(format));
  if (!OnlyKnownConversions(format))
    return -1;
  // Most expansions fit the caller's buffer; straight there, no copy.
  size_t fitting = strftime(buffer, (size_t)size, format, record);
  if (fitting > 0)
    return (int)fitting;
  buffer[0] = 0; // whatever the failed call left there
  char whole[WHOLE_EXPANSION_SIZE];
  size_t count = strftime(whole, sizeof whole, format, record);
  if (count == 0)
    return -1;
  return Append(buffer, size, 0, whole, (int)count);
}

int ExpandDateText(char *buffer, int size, const char *format, const struct tm *moment) {
  if (!buffer || size <= 0)
    return 0;
  buffer[0] = 0;
  if (!format)
    return 0;
  struct tm record;
  if (moment)
    record = *moment;
  else
    ReadLocalTime(&record);
  ClampTimeRecord(&record);

  int used = ExpandInOneCall(buffer, size, format, &record);
  if (used >= 0)
    return used;
  used = 0;
  const char *p = format;
  while (*p && used < size - 1) {
    const char *percent = strchr(p, '%');
    if (!percent) {
      used = Append(buffer, size, used, p, (int)strlen(p));
      break;
    }
    used = Append(buffer, size, used, p, (int)(percent - p));
    // "%#x": the alternate form every runtime here offers.
    int flag = percent[1] == '#';
    char conversion = percent[1 + flag];
    if (!IsKnownConversion(conversion)) {
      used = Append(buffer, size, used, percent, 1 + flag);
      p = percent + 1 + flag;
      continue;
    }
    char single[4] = {'%', 0, 0, 0};
    single[1] = flag ? '#' : conversion;
    single[2] = flag ? conversion : 0;
    char expansion[256];
    size_t count = strftime(expansion, sizeof expansion, single, &record);
    used = Append(buffer, size, used, expansion, (int)count);
    p = percent + 2 + flag;
  }
  return used;
}
