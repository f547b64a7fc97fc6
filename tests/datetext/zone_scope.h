/* Native tests only: the process's zone set through TZ for one scope, and
   glibc's reading of a local date and time in it, the oracle the tests
   compare with where the zone's rules are the same every year (the system's
   zone follows this year's rules in every year, as on Windows). */
#ifndef HORALIS_TESTS_DATETEXT_ZONE_SCOPE_H
#define HORALIS_TESTS_DATETEXT_ZONE_SCOPE_H

#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <string>

#include "datetext/time_record.h"
#include "datetext/time_zones.h"

class ZoneScope {
public:
  explicit ZoneScope(const char *zone) {
    const char *old = getenv("TZ");
    hadZone_ = old != nullptr;
    if (old)
      oldZone_ = old;
    setenv("TZ", zone, 1);
    tzset();
    // The plugin keeps the local zone's rules for a minute.
    ReleaseTimeZones();
  }
  ~ZoneScope() {
    if (hadZone_)
      setenv("TZ", oldZone_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
    ReleaseTimeZones();
  }
  ZoneScope(const ZoneScope &) = delete;
  ZoneScope &operator=(const ZoneScope &) = delete;

private:
  bool hadZone_ = false;
  std::string oldZone_;
};

/* glibc's full record of a local date and time (month 1..12). */
inline struct tm GlibcLocal(int year, int month, int day, int hour, int minute, int second) {
  struct tm record = TimeRecord(year, month, day, hour, minute, second);
  record.tm_isdst = -1;
  mktime(&record);
  return record;
}

#endif
