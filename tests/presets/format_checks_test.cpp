#include <string.h>

#include "hostlink/format_preview.h"
#include "presets/format_checks.h"
#include "presets/preset_dialog.h"
#include "support/plugin_fixture.h"

typedef MainDialogTest FormatChecksTest;

namespace {

// What FindSilentMistake names, as the question shows it.
std::string MistakeLine(const char *format) {
  char line[71] = "";
  FindSilentMistake(format, line, sizeof line);
  return line;
}

// A delivery: refused with a note when it cannot give a text, asked about
// first for a silent mistake (the reply 0 "Insert anyway", 1 "Back", -1
// Esc), and not asked about for a mistake that shows in the text.
TEST_F(FormatChecksTest, ADeliveryIsRefusedOrAskedAboutBeforeItCosts) {
  const struct {
    const char *format;
    bool lastDay; // 31 December 9999
    int reply;
    enum Delivery expected;
    const char *box; // the box's second line, "" for none
  } cases[] = {
      {"[%Y]", false, 0, DELIVERED, ""},
      {"[%{@Tokio}%Y]", false, 0, DELIVERED, "mistake"},
      {"[%{@Tokio}%Y]", false, 1, FORMAT_REFUSED, "mistake"},
      {"[%{@Tokio}%Y]", false, -1, FORMAT_REFUSED, "mistake"},
      {"[%Q%Y]", false, 1, DELIVERED, ""},
      {"[%{%Y", false, 1, DELIVERED, ""},
      {"", false, 0, FORMAT_REFUSED, "Format empty"},
      {"%{+1d}%Y", true, 0, FORMAT_REFUSED, "No text"},
  };
  struct tm lastDay = {};
  lastDay.tm_year = 9999 - 1900;
  lastDay.tm_mon = 11;
  lastDay.tm_mday = 31;
  for (const auto &c : cases) {
    SCOPED_TRACE(c.format);
    Host().boxes.clear();
    Host().commandLineInserts.clear();
    Host().boxReply = c.reply;
    EXPECT_EQ(c.expected, DeliverFormat(c.format, TO_COMMAND_LINE, c.lastDay ? &lastDay : NULL));
    EXPECT_EQ(c.expected == DELIVERED, Host().commandLineInserts.size() == 1u) << "inserted";
    ASSERT_EQ(c.box[0] ? 1u : 0u, Host().boxes.size());
    if (!c.box[0])
      continue;
    const MessageCall &box = Host().boxes[0];
    if (strcmp(c.box, "mistake") != 0) {
      EXPECT_EQ(c.box, box.lines[1]) << "the note";
      continue;
    }
    std::vector<std::string> question = {"Mistake", "Wrong without a sign:", MistakeLine(c.format),
                                         "Insert anyway", "Back"};
    EXPECT_EQ(question, box.lines) << "the preview's line under the note, and two buttons";
    EXPECT_EQ(2, box.buttons);
  }
}

// A save: an empty name or format is refused with a note and the focus on
// it; a silent mistake is asked about ("Save anyway", "Back"). The
// calendar's format has no name, and none is needed when it only shows.
TEST_F(FormatChecksTest, ASaveIsRefusedOrAskedAboutWithTheFocusOnTheField) {
  const struct {
    int slot;
    const char *name, *format;
    int viewOnly, reply;
    bool accepted;
    const char *box; // the box's second line, "" for none
    int focus;       // 0 where it was left
  } cases[] = {
      {1, "Year", "[%Y]", 0, 0, true, "", 0},
      {1, "", "[%Y]", 0, 0, false, "Name empty", PRESET_ITEM_NAME},
      {1, "Year", "", 0, 0, false, "Nothing to save", PRESET_ITEM_FORMAT},
      {1, "Year", "%{@Tokio}%Y", 0, 0, true, "mistake", 0},
      {1, "Year", "%{@Tokio}%Y", 0, 1, false, "mistake", PRESET_ITEM_FORMAT},
      {CALENDAR_SLOT, "", "%Y", 0, 0, true, "", 0},
      {CALENDAR_SLOT, "", "", 0, 0, false, "Nothing to save", PRESET_ITEM_FORMAT},
      {CALENDAR_SLOT, "", "", 1, 0, true, "", 0},
      {CALENDAR_SLOT, "", "%{@Tokio}%Y", 1, 1, true, "", 0},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(std::to_string(c.slot) + " \"" + c.name + "\" \"" + c.format + "\"");
    Host().boxes.clear();
    Host().boxReply = c.reply;
    strcpy(fake->items[PRESET_ITEM_NAME].text, c.name);
    strcpy(fake->items[PRESET_ITEM_FORMAT].text, c.format);
    fake->items[PRESET_ITEM_VIEW_ONLY].status = c.viewOnly;
    fake->focus = 0;
    fake->items[31].text[0] = 0;
    EXPECT_EQ(c.accepted, SavePresetChecked(dialog, c.slot) != 0);
    EXPECT_EQ(c.focus, fake->focus);
    ASSERT_EQ(c.box[0] ? 1u : 0u, Host().boxes.size());
    if (!c.box[0])
      continue;
    if (strcmp(c.box, "mistake") == 0) {
      EXPECT_EQ((std::vector<std::string>{"Mistake", "Wrong without a sign:", MistakeLine(c.format),
                                          "Save anyway", "Back"}),
                Host().boxes[0].lines);
      EXPECT_EQ(c.accepted ? std::string::npos : 0,
                std::string(fake->items[31].text).find(MistakeLine(c.format)))
          << "after Back the preview line names it";
    } else
      EXPECT_EQ(c.box, Host().boxes[0].lines[1]);
  }
}

} // namespace
