// Every conversion against glibc's strftime in the C locale, zone by zone
// set through TZ, over dates where week numbers, years and offsets turn.
#include <stdio.h>
#include <string.h>
#include <time.h>

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "datetext/date_text.h"
#include "datetext/zone_scope.h"
#include "winsubset_control.h"

// Rules that hold in every year, as the system's zone does on Windows.
static const char *const OracleZones[] = {
    "UTC0",
    "EST5EDT,M3.2.0,M11.1.0",
    "NST3:30NDT,M3.2.0,M11.1.0",
    "CET-1CEST,M3.5.0,M10.5.0/3",
    "JST-9",
    "IST-5:30",
    "ACST-9:30ACDT,M10.1.0,M4.1.0/3",
};

struct OracleDate {
  int year, month, day, hour, minute, second;
  const char *why;
};

static const OracleDate OracleDates[] = {
    {1970, 1, 1, 0, 0, 0, "the epoch"},
    {1999, 12, 31, 23, 59, 59, "a year end"},
    {2000, 2, 29, 12, 0, 0, "a leap day of a century"},
    {2024, 2, 29, 14, 5, 9, "a leap day"},
    {2015, 12, 31, 9, 0, 0, "week 53 of 2015"},
    {2021, 1, 3, 1, 2, 3, "week 53 of 2020 in January"},
    {2024, 12, 30, 0, 30, 0, "week 1 of 2025 starting in December"},
    {2019, 12, 31, 12, 30, 0, "week 1 of 2020 in December"},
    {2027, 1, 1, 11, 59, 59, "2026's week 53 in January"},
    {2024, 7, 1, 8, 30, 0, "northern summer"},
    {2037, 12, 31, 23, 0, 0, "2037"},
    {2038, 1, 19, 3, 14, 8, "past 32-bit time"},
    {2100, 3, 1, 18, 45, 0, "after a non-leap century"},
};

// The whole set, with the modifiers the C locale ignores; not %c, which
// the plugin lays out as the Windows runtime does ("12/07/26 14:05:09").
static const char *const Conversions[] = {
    "%a",  "%A",  "%b",  "%B",  "%C",  "%d",  "%D",  "%e",  "%F",  "%g",  "%G",  "%h",
    "%H",  "%I",  "%j",  "%m",  "%M",  "%n",  "%p",  "%r",  "%R",  "%S",  "%t",  "%T",
    "%u",  "%U",  "%V",  "%w",  "%W",  "%x",  "%X",  "%y",  "%Y",  "%z",  "%Z",  "%%",
    "%EC", "%Ex", "%EX", "%Ey", "%EY", "%Od", "%Oe", "%OH", "%OI", "%Om", "%OM", "%OS",
    "%Ou", "%OU", "%OV", "%Ow", "%OW", "%Oy", "%Ea", "%Oa", "%Ed", "%Q",
};

static std::string Glibc(const char *format, const struct tm &record) {
  char text[128];
  size_t count = strftime(text, sizeof text, format, &record);
  return std::string(text, count);
}

static std::string Ours(const char *format, const struct tm *record) {
  char text[DATE_TEXT_SIZE];
  ExpandDateText(text, sizeof text, format, record);
  return text;
}

static std::string WithColon(std::string offset) {
  return offset.size() == 5 ? offset.insert(3, ":") : offset;
}

TEST(DateTextOracle, EveryConversionAgreesWithGlibcInEveryZone) {
  for (const char *zone : OracleZones) {
    ZoneScope scope(zone);
    for (const OracleDate &d : OracleDates) {
      struct tm local = GlibcLocal(d.year, d.month, d.day, d.hour, d.minute, d.second);
      time_t moment = mktime(&local);
      struct tm utc;
      gmtime_r(&moment, &utc);
      for (const char *conversion : Conversions) {
        EXPECT_EQ(Glibc(conversion, local), Ours(conversion, &local))
            << conversion << ", " << d.why << ", " << zone;
        if (strcmp(conversion, "%Z") == 0)
          continue; // glibc names UTC "GMT"
        std::string utcFormat = "!" + std::string(conversion);
        EXPECT_EQ(Glibc(conversion, utc), Ours(utcFormat.c_str(), &local))
            << utcFormat << ", " << d.why << ", " << zone;
      }
      EXPECT_EQ(WithColon(Glibc("%z", local)), Ours("%:z", &local)) << d.why << ", " << zone;
      EXPECT_EQ("+00:00", Ours("!%:z", &local)) << d.why << ", " << zone;
    }
  }
}

// GNU's flags on every number, name and composite, over records spread
// across the calendar's years.
TEST(DateTextOracle, GnuFlagsAgreeWithGlibcOverRandomRecords) {
  ZoneScope scope("UTC");
  static const char Letters[] = "CdeHIjmMSuUwWyYgGVaAbBhpDFRTr";
  static const char *const Flags[] = {"-", "_", "0", "^", "-^", "^_"};
  const long long first = -11644473600LL, last = 253402300799LL; // 1601 to 9999
  std::mt19937_64 random(20261207);
  int failures = 0;
  for (int i = 0; i < 3000; i++) {
    time_t moment = (time_t)(first + (long long)(random() % (unsigned long long)(last - first)));
    struct tm record;
    gmtime_r(&moment, &record);
    for (const char *flag : Flags)
      for (const char *letter = Letters; *letter; letter++) {
        std::string format = std::string("%") + flag + *letter;
        std::string expected = Glibc(format.c_str(), record);
        std::string ours = Ours(format.c_str(), &record);
        if (ours != expected && ++failures <= 20)
          ADD_FAILURE() << format << " for " << record.tm_year + 1900 << "-" << record.tm_mon + 1
                        << "-" << record.tm_mday << " " << record.tm_hour << "h: expected \""
                        << expected << "\", got \"" << ours << "\"";
      }
  }
  EXPECT_EQ(0, failures) << "expansions that differ from glibc's";
}
