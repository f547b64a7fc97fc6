// What only a wide format shows: its own text of any script kept whole, zone
// words and language codes read from it, and its check as data. The other
// tables reach the same path through the OEM entry.
#include <string.h>

#include <string>

#include <gtest/gtest.h>

#include "datetext/date_expansion.h"
#include "datetext/format_check.h"
#include "datetext/time_record.h"
#include "support/wide_text.h"

// A Monday in December, 15:01 local time.
static struct tm December(void) {
  struct tm moment = TimeRecord(2026, 12, 7, 15, 1, 0);
  moment.tm_wday = 1;
  moment.tm_yday = 340;
  moment.tm_isdst = -1;
  return moment;
}

static std::string ExpandedWide(const char *utf8) {
  DateExpansion expansion;
  struct tm moment = December();
  WideText format = Wide(utf8);
  int length = ExpandDateW(&expansion, format.c_str(), &moment);
  EXPECT_EQ(length, expansion.Length) << utf8;
  return Utf8(expansion.Text, expansion.Length);
}

TEST(DateTextWide, TheFormatsOwnTextOfAnyScriptSurvives) {
  const struct {
    const char *format, *expected;
  } cases[] = {
      {"%{ru}%B 東京", "декабрь 東京"},
      {"%Y 東京 Ελλάδα ☃ 𝄞", "2026 東京 Ελλάδα ☃ 𝄞"},
      {"%H:%M 東京%%", "15:01 東京%"},
      {"%{ru}%B %{C}%B Ελλάδα", "декабрь December Ελλάδα"},
      {"%東", "%東"}, // no conversion: written as it stands
      {"%{東京}%Y", "2026"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.expected, ExpandedWide(c.format)) << c.format;
}

// The limit counts characters, and a pair of surrogates is kept whole.
TEST(DateTextWide, ALongTextIsCutWithoutSplittingAPair) {
  std::string format(DATE_TEXT_SIZE - 1, 'x');
  format += "𝄞𝄞";
  std::string expanded = ExpandedWide(format.c_str());
  EXPECT_EQ(std::string(DATE_TEXT_SIZE - 1, 'x'), expanded) << "the pair past the limit left out";
}

struct FaultCase {
  const char *format;
  int message;
  const char *named, *meant;
};

// Zone words and language codes are read from the wide text: a word in
// another script is never taken for a Latin one.
TEST(DateTextWide, TheCheckNamesWhatIsWrongInTheWideText) {
  const FaultCase cases[] = {
      {"%{ru}%B 東京", 0, "", ""},
      {"%{@東京}%H", MSG_PREVIEW_ZONE_NOT_FOUND, "@東京", ""},
      {"%{ру}%B", MSG_PREVIEW_UNKNOWN_WORD, "ру", ""},
      {"東京 %{xx}%B", MSG_PREVIEW_UNKNOWN_LANGUAGE, "xx", ""},
      {"東京 %{ua}%B", MSG_PREVIEW_LANGUAGE_MEANT, "ua", "uk"},
      {"%Ж %Y", MSG_PREVIEW_UNKNOWN_CONVERSION, "%Ж", ""},
      {"%{ru 東京", MSG_PREVIEW_UNCLOSED_BLOCK, "", ""},
  };
  struct tm moment = December();
  for (const FaultCase &c : cases) {
    WideText format = Wide(c.format);
    DateExpansion expansion;
    FormatFault fault;
    EXPECT_EQ(c.message, CheckFormat(format.c_str(), &moment, &expansion, &fault)) << c.format;
    EXPECT_EQ(c.message, fault.Message) << c.format;
    EXPECT_EQ(c.named, fault.Named ? Utf8(fault.Named, fault.NamedLength) : "") << c.format;
    EXPECT_EQ(c.meant, Utf8(fault.Meant)) << c.format;
    FormatFault silent;
    EXPECT_EQ(IsSilentMistake(c.message) ? c.message : 0,
              FindSilentMistakeW(format.c_str(), &silent))
        << c.format;
  }
}

// A sound format's text comes with the check; a null one is sound and empty.
TEST(DateTextWide, ASoundFormatsCheckGivesItsText) {
  struct tm moment = December();
  WideText format = Wide("%{ru}%B 東京");
  DateExpansion expansion;
  FormatFault fault;
  ASSERT_EQ(0, CheckFormat(format.c_str(), &moment, &expansion, &fault));
  EXPECT_EQ("декабрь 東京", Utf8(expansion.Text, expansion.Length));
  EXPECT_EQ(0, CheckFormat(nullptr, &moment, &expansion, &fault));
  EXPECT_EQ(0, expansion.Length);
  EXPECT_EQ(0, CheckFormat(format.c_str(), &moment, nullptr, &fault)) << "no text asked for";
}
