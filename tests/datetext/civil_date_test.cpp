#include <limits.h>
#include <time.h>

#include <gtest/gtest.h>

#include "datetext/civil_date.h"

struct CivilCase {
  long long year, month, day; // as given, possibly out of range
  long long days;             // since 1 January 1970
  long long normalYear;
  int normalMonth, normalDay, weekday, yearDay;
};

TEST(CivilDate, DaysWeekdaysAndNormalisationAgreeWithTheCalendar) {
  const CivilCase cases[] = {
      {1970, 1, 1, 0, 1970, 1, 1, 4, 0},         {1969, 12, 31, -1, 1969, 12, 31, 3, 364},
      {1970, 1, -5, -6, 1969, 12, 26, 5, 359},   {2024, 1, 1, 19723, 2024, 1, 1, 1, 0},
      {2023, 10, 1, 19631, 2023, 10, 1, 0, 273}, {2024, 3, 0, 19782, 2024, 2, 29, 4, 59},
      {2023, 3, 0, 19416, 2023, 2, 28, 2, 58},   {2024, 1, -1, 19721, 2023, 12, 30, 6, 363},
      {2024, 4, 31, 19844, 2024, 5, 1, 3, 121},  {2037, 12, 42, 24847, 2038, 1, 11, 1, 10},
      {2038, 1, 19, 24855, 2038, 1, 19, 2, 18},  {2000, 2, 29, 11016, 2000, 2, 29, 2, 59},
      {1900, 3, 1, -25508, 1900, 3, 1, 4, 59},   {2026, 13, 1, 20819, 2027, 1, 1, 5, 0},
      {2026, 0, 1, 20423, 2025, 12, 1, 1, 334},
  };
  for (const CivilCase &c : cases) {
    long long days = DaysFromCivil(c.year, c.month, c.day);
    EXPECT_EQ(c.days, days) << c.year << "-" << c.month << "-" << c.day;
    long long year = 0;
    int month = 0, day = 0;
    CivilFromDays(days, &year, &month, &day);
    EXPECT_EQ(c.normalYear, year) << "year of day " << days;
    EXPECT_EQ(c.normalMonth, month) << "month of day " << days;
    EXPECT_EQ(c.normalDay, day) << "day of day " << days;
    EXPECT_EQ(c.weekday, WeekdayOfDays(days)) << "weekday of day " << days;
    EXPECT_EQ(c.yearDay, DayOfYear(year, month, day)) << "day of year of day " << days;
  }
}

TEST(CivilDate, RoundTripsAndMatchesTheRuntimeOverFourHundredYears) {
  for (long long days = -25000; days <= 146097 + 25000; days += 7) {
    long long year = 0;
    int month = 0, day = 0;
    CivilFromDays(days, &year, &month, &day);
    ASSERT_EQ(days, DaysFromCivil(year, month, day)) << "round trip of day " << days;
  }
  // gmtime is the reference wherever the runtime's clock reaches.
  for (long long days = 0; days < 24855; days += 13) {
    time_t moment = (time_t)(days * 86400);
    struct tm *utc = gmtime(&moment);
    ASSERT_NE(nullptr, utc);
    long long year = 0;
    int month = 0, day = 0;
    CivilFromDays(days, &year, &month, &day);
    ASSERT_EQ(utc->tm_year + 1900, year) << "day " << days;
    ASSERT_EQ(utc->tm_mon + 1, month) << "day " << days;
    ASSERT_EQ(utc->tm_mday, day) << "day " << days;
    ASSERT_EQ(utc->tm_wday, WeekdayOfDays(days)) << "day " << days;
    ASSERT_EQ(utc->tm_yday, DayOfYear(year, month, day)) << "day " << days;
  }
}

TEST(CivilDate, ArgumentsOfAnySizeGiveADateWithoutOverflow) {
  const long long extremes[] = {LLONG_MIN, -9000000000LL, INT_MIN, -1, 0, INT_MAX, LLONG_MAX};
  for (long long a : extremes)
    for (long long b : extremes) {
      long long days = DaysFromCivil(a, b, a);
      long long year = 0;
      int month = 0, day = 0;
      CivilFromDays(days, &year, &month, &day);
      EXPECT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 31)
          << "a real date for " << a << ", " << b;
      int weekday = WeekdayOfDays(days);
      EXPECT_TRUE(weekday >= 0 && weekday <= 6) << "a weekday for day " << days;
    }
}
