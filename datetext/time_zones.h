/* Time zones a format names: local time, a fixed offset from UTC, or one of
   the zones Windows keeps in the registry (HKLM "SOFTWARE\Microsoft\Windows
   NT\CurrentVersion\Time Zones"), whose offset at a moment follows the
   zone's daylight-saving rules for that year: its per-year rules where the
   registry has them, otherwise its standard rules. The zones are read once,
   on first use, and kept; the clock's thread may use them too. */
#ifndef HORALIS_DATETEXT_TIME_ZONES_H
#define HORALIS_DATETEXT_TIME_ZONES_H

#include <time.h>

#include <windows.h>

/* A zone a format names: local time, a fixed offset, or a Windows time zone. */
enum { ZONE_LOCAL, ZONE_FIXED, ZONE_NAMED };
typedef struct TimeZoneRef {
  int kind;
  int fixedMinutes; /* ZONE_FIXED: the offset east of UTC */
  int index;        /* ZONE_NAMED: the zone's place among those kept */
} TimeZoneRef;

/* Local time, as "@local" names it. */
extern const TimeZoneRef LocalTimeZone;

/* Resolves the text of a zone word after '@' (`length` characters, case
   ignored), trying in this order:
   1. "local": local time;
   2. "UTC", "UTC+5", "UTC-3", "UTC+5:30", "UTC+0530": a fixed offset, at
      most 14 hours either way, minutes below 60;
   3. a zone's key name, underscores standing for blanks:
      "Tokyo_Standard_Time", "UTC", "Pacific_Standard_Time_(Mexico)";
   4. the key name without its " Standard Time": "Tokyo", "Pacific" (the
      United States' zone, not "Pacific SA Standard Time"), "New_Zealand";
   5. whole words of a key name: "Mountain" ("Mountain Standard Time"),
      "AUS_Eastern";
   6. whole words of a display name: "Moscow", "Sydney", "Kathmandu";
      "москва" where Windows names it in Russian.
   Within steps 5 and 6 the first zone in the registry's order (alphabetical
   by key name) wins. The word is compared with key and display names
   character by character, case ignored in any script; every zone the registry holds is kept, with
   its names whole. A word with no letter ("01", "+3") names no zone. Returns 1 and fills zone; 0
   when none matches or the text is malformed (empty, longer than a key name, "UTC" followed by
   anything but an offset, or a colon with no minutes after it: "UTC+5:"). */
int FindTimeZoneW(const WCHAR *text, int length, TimeZoneRef *zone);

/* The same for a word typed in the OEM code page. */
int FindTimeZone(const char *text, int length, TimeZoneRef *zone);

/* The wall-clock time in zone at the UTC moment `utc` (every field as
   gmtime fills them; fields out of range carry over): every field of
   `local` filled as localtime would, tm_isdst included, and the zone's
   offset east of UTC in minutes at that moment. Returns 1; 0 when it cannot
   be told (an unknown zone, a year outside 1601..9999). */
int ZoneTimeFromUtc(const TimeZoneRef *zone, const struct tm *utc, struct tm *local,
                    int *offsetMinutes);

/* The UTC moment of the wall-clock time `local` in zone (for calendar steps
   kept in wall-clock time), every field of `utc` filled as gmtime would.
   As Windows reads a wall-clock time: daylight time from the change to it
   until the change back, so a time skipped when daylight saving starts is
   read on the daylight clock (2:30 is 1:30 standard time), and a time
   repeated when it ends is the first, daylight one. Returns 1 or 0 as
   above. */
int ZoneTimeToUtc(const TimeZoneRef *zone, const struct tm *local, struct tm *utc);

/* The zone's offset east of UTC in minutes, and its daylight flag, at
   `moment` (seconds since 1970) in UTC or, with `wall` set, on the zone's
   wall clock, read as ZoneTimeToUtc reads it. Returns 1; 0 when it cannot
   be told (an unknown zone, a year outside 1601..9999). */
int ZoneOffsetAt(const TimeZoneRef *zone, long long moment, int wall, int *offsetMinutes,
                 int *daylight);

/* The zone's standard or daylight name for %Z ("Tokyo Standard Time";
   "UTC", "UTC+05:30" for fixed ones), in the code page `codePage`
   (CP_OEMCP or a code page's number). Local time has the system's own
   names. Returns its length, 0 when none or when it does not fit `size`
   characters with the terminator. */
int ZoneName(const TimeZoneRef *zone, int daylight, UINT codePage, char *text, int size);

/* The same name in Unicode, into text of `size` characters (ZONE_NAME_SIZE
   holds any). Returns its length, 0 when none or when it does not fit. */
enum { ZONE_NAME_SIZE = 64 };
int ZoneNameW(const TimeZoneRef *zone, int daylight, WCHAR *text, int size);

/* Frees the zones kept: for the module's unload, when no thread expands. */
void ReleaseTimeZones(void);

#endif
