// The line under a format: its text for the moment, or the message naming
// the first thing wrong with it.
#include <string.h>

#include <string>

#include "hostlink/format_preview.h"
#include "datetext/time_record.h"
#include "support/plugin_fixture.h"

class FormatPreviewTest : public PluginTest {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    for (int id = MSG_PREVIEW_UNCLOSED_BLOCK; id <= MSG_PREVIEW_LANGUAGE_MEANT; id++)
      Host().messages[id] = "M" + std::to_string(id);
  }
};

struct PreviewCase {
  const char *format;
  int expectedMessage;
  const char *expectedLine;
};

TEST_F(FormatPreviewTest, ShowsTheTextOrNamesWhatIsWrong) {
  std::string repeated;
  for (int i = 0; i < 130; i++)
    repeated += "%Y";
  const PreviewCase cases[] = {
      {"%d.%m.%Y %H:%M", 0, "07.12.2026 14:05"},
      {"a%nb\tc%td", 0, "a b c d"},
      {"", 0, ""},
      {"100%% %Ex %Od %:z", 0, nullptr},
      {"%{}%Y%{C}", 0, "2026"},
      {"Date: %{ru %d", MSG_PREVIEW_UNCLOSED_BLOCK, "M170"},
      {"%Y %{", MSG_PREVIEW_UNCLOSED_BLOCK, "M170"},
      {"%{tokyo}%H", MSG_PREVIEW_UNKNOWN_WORD, "M171 \"tokyo\""},
      {"%{ru +1}%H", MSG_PREVIEW_UNKNOWN_WORD, "M171 \"+1\""},
      {"Date: %{ru %d, %{tokyo}%H", MSG_PREVIEW_UNCLOSED_BLOCK, "M170"},
      {"%Y %Q %q", MSG_PREVIEW_UNKNOWN_CONVERSION, "M172 \"%Q\""},
      {"%#Q", MSG_PREVIEW_UNKNOWN_CONVERSION, "M172 \"%#Q\""},
      {"%Ed", MSG_PREVIEW_UNKNOWN_CONVERSION, "M172 \"%E\""},
      {"%:Y", MSG_PREVIEW_UNKNOWN_CONVERSION, "M172 \"%:\""},
      {"100%", MSG_PREVIEW_UNKNOWN_CONVERSION, "M172 \"%\""},
      {"%Q %{x}", MSG_PREVIEW_UNKNOWN_CONVERSION, "M172 \"%Q\""},
      {"%-_d %^B %0e %-Q", MSG_PREVIEW_UNKNOWN_CONVERSION, "M172 \"%-Q\""},
      {"%{@Tokyo}%H %{@Atlantis}", MSG_PREVIEW_ZONE_NOT_FOUND, "M173 \"@Atlantis\""},
      {"%{@UTC+15}", MSG_PREVIEW_ZONE_NOT_FOUND, "M173 \"@UTC+15\""},
      // A language Windows does not know; a country's code for its only one.
      {"%{xx}%A", MSG_PREVIEW_UNKNOWN_LANGUAGE, "M176 \"xx\""},
      {"%{de-XX}%A", MSG_PREVIEW_UNKNOWN_LANGUAGE, "M176 \"de-XX\""},
      {"%{ua-UA}%A", MSG_PREVIEW_UNKNOWN_LANGUAGE, "M176 \"ua-UA\""},
      {"%{ua}%A", MSG_PREVIEW_LANGUAGE_MEANT, "M176 \"ua\", M177 \"uk\"?"},
      {"%{+1d UA}%A", MSG_PREVIEW_LANGUAGE_MEANT, "M176 \"UA\", M177 \"uk\"?"},
      {"%{uk}%A %{UK-ua}%A %{ru_ru}%A %{en}%{c}%{}%Y", 0, nullptr},
      {"%{+1d}%d %H:%M", 0, "08 14:05"},
      {"%{+8000y}%Y", MSG_PREVIEW_OUT_OF_RANGE, "M174"},
      {"%Y %{-1d}%{+1d}%{-426y}%Y", MSG_PREVIEW_OUT_OF_RANGE, "M174"},
      {repeated.c_str(), MSG_PREVIEW_TOO_LONG, "M175"},
  };
  struct tm moment = TimeRecord(2026, 12, 7, 14, 5, 9);
  moment.tm_wday = 1;
  moment.tm_yday = 340;
  for (const PreviewCase &c : cases) {
    char line[128];
    memset(line, '#', sizeof line);
    EXPECT_EQ(c.expectedMessage, PreviewDateText(c.format, &moment, line, sizeof line)) << c.format;
    if (c.expectedLine) {
      EXPECT_STREQ(c.expectedLine, line) << c.format;
    }
  }
}

TEST_F(FormatPreviewTest, CutsTheLineToItsSize) {
  struct tm moment = TimeRecord(2026, 12, 7, 14, 5, 9);
  char line[6];
  EXPECT_EQ(0, PreviewDateText("%d.%m.%Y", &moment, line, sizeof line));
  EXPECT_STREQ("07.12", line);
  EXPECT_EQ(MSG_PREVIEW_UNKNOWN_WORD, PreviewDateText("%{abcdefgh}", &moment, line, sizeof line));
  EXPECT_STREQ("M171 ", line);
  EXPECT_EQ(0, PreviewDateText(nullptr, &moment, line, sizeof line));
  EXPECT_STREQ("", line);
  EXPECT_EQ(0, PreviewDateText("%Y", &moment, line, 0)) << "no room: nothing written";
}

TEST_F(FormatPreviewTest, NowWhenNoMomentIsGiven) {
  char line[64], expected[64];
  time_t now = time(nullptr);
  strftime(expected, sizeof expected, "%Y", localtime(&now));
  EXPECT_EQ(0, PreviewDateText("%Y", nullptr, line, sizeof line));
  EXPECT_STREQ(expected, line);
}

TEST_F(FormatPreviewTest, SilentMistakesAreFoundPastTheOnesThatShow) {
  const PreviewCase cases[] = {
      {"%d.%m.%Y %{@Tokyo}%H %{C}", 0, ""},
      {"%Q %{ %{tokyo}%H", MSG_PREVIEW_UNKNOWN_WORD, "M171 \"tokyo\""},
      {"%{+1d}%Y %{@Tokio}%H:%M", MSG_PREVIEW_ZONE_NOT_FOUND, "M173 \"@Tokio\""},
      {"%{+8000y}%Y %Q", 0, ""},
      {"%Q %{C}%A %{xx}%A", MSG_PREVIEW_UNKNOWN_LANGUAGE, "M176 \"xx\""},
      {"%{ru}%A %{ua}%A", MSG_PREVIEW_LANGUAGE_MEANT, "M176 \"ua\", M177 \"uk\"?"},
  };
  for (const PreviewCase &c : cases) {
    char line[64] = "";
    EXPECT_EQ(c.expectedMessage, FindSilentMistake(c.format, line, sizeof line)) << c.format;
    EXPECT_STREQ(c.expectedLine, line) << c.format;
    EXPECT_EQ(c.expectedMessage != 0, IsSilentMistake(FindSilentMistake(c.format, nullptr, 0)));
  }
}
