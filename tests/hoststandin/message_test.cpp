#include "message.h"
#include "stand_in_fixture.h"

#include <string.h>

namespace {

int ErrorReads = 0;
unsigned int AccessDenied(char *text, int size) {
  ++ErrorReads;
  snprintf(text, size, "Access denied.\r\n");
  return 5;
}

class MessageTest : public StandInTest {
protected:
  void SetUp() override {
    StandInTest::SetUp();
    ErrorReads = 0;
    MessageSetErrorSource(AccessDenied);
  }
  void TearDown() override { MessageSetErrorSource(nullptr); }
};

const char *const ErrorBox[] = {"Error (5)", "ClipboardError", "\x01", "Ok", "Cancel"};

TEST_F(MessageTest, ButtonsAndKeys) {
  const struct {
    const char *Keys;
    int Result;
  } cases[] = {{"Enter", 0},      {"Right Enter", 1},
               {"Tab Enter", 1},  {"Right Right Enter", 0},
               {"Left Enter", 1}, {"Esc", -1},
               {"c", 1},          {"Space", 0},
               {"x Enter", 0},    {"", -1}};
  const char *const items[] = {"Title", "line", "&Ok", "&Cancel"};
  for (const auto &c : cases) {
    PressKeys(c.Keys);
    EXPECT_EQ(HostMessage(0, 0, nullptr, items, 4, 2), c.Result) << "keys \"" << c.Keys << "\"";
    EXPECT_EQ(KeysLeft(), 0) << c.Keys;
  }
}

TEST_F(MessageTest, ErrorBoxShowsTheSystemErrorTitleLinesAndSeparator) {
  PressKeys("Esc");
  EXPECT_EQ(HostMessage(0, FMSG_WARNING | FMSG_ERRORTYPE, nullptr, ErrorBox, 5, 2), -1);
  EXPECT_EQ(ErrorReads, 1) << "the last system error is read once";
  ScreenPicture open = PictureBeforeClose();
  int title = RowIn(open, "Error (5)");
  ASSERT_GE(title, 0) << ShownText(open);
  EXPECT_EQ(RowIn(open, "Access denied."), title + 1) << "the system's text first:\n"
                                                      << ShownText(open);
  EXPECT_EQ(RowIn(open, "ClipboardError"), title + 2) << "then the lines";
  EXPECT_NE(ShownRow(open, title + 3).find("\xC4\xC4\xC4\xC4"), std::string::npos)
      << "\\x01 is a separator line: " << ShownRow(open, title + 3);
  EXPECT_EQ(ShownRow(open, title + 3).find("\x01"), std::string::npos);
  int buttons = RowIn(open, "[ Ok ]");
  EXPECT_EQ(buttons, title + 4) << "the last two items are buttons";
  EXPECT_NE(ShownRow(open, buttons).find("[ Cancel ]"), std::string::npos);
  EXPECT_EQ(RowIn(open, "Ok ]"), buttons) << "buttons are not lines as well";
  int x = (int)ShownRow(open, title + 2).find("ClipboardError");
  EXPECT_EQ(open.Attr[title + 2][x], 0x4F) << "FMSG_WARNING: white on red";
}

TEST_F(MessageTest, WithoutWarningOrErrorTypeFlags) {
  PressKeys("Enter");
  EXPECT_EQ(HostMessage(0, 0, nullptr, ErrorBox, 5, 2), 0);
  EXPECT_EQ(ErrorReads, 0) << "no system error without FMSG_ERRORTYPE";
  ScreenPicture open = PictureBeforeClose();
  int y = RowIn(open, "ClipboardError");
  ASSERT_GE(y, 0);
  EXPECT_EQ(RowIn(open, "Access denied."), -1);
  int x = (int)ShownRow(open, y).find("ClipboardError");
  EXPECT_EQ(open.Attr[y][x], 0x70) << "plain box: black on grey";
}

TEST_F(MessageTest, OddCountsAreSafe) {
  PressKeys("Enter");
  EXPECT_EQ(HostMessage(0, 0, nullptr, nullptr, 3, 1), -1) << "no items";
  EXPECT_EQ(HostMessage(0, 0, nullptr, ErrorBox, 0, 1), -1) << "zero items";
  EXPECT_EQ(KeysLeft(), 1) << "nothing shown, no key read";
  const char *const withNull[] = {"T", nullptr, "Ok"};
  EXPECT_EQ(HostMessage(0, 0, nullptr, withNull, 3, 1), 0) << "a null line shows empty";
  PressKeys("Enter");
  EXPECT_EQ(HostMessage(0, 0, nullptr, ErrorBox, 2, 9), 0)
      << "more buttons than items: only the items after the title";
  PressKeys("Enter");
  EXPECT_EQ(HostMessage(0, 0, nullptr, ErrorBox, 3, 0), -1) << "no buttons: shown, no wait";
  EXPECT_EQ(KeysLeft(), 1);
  EXPECT_GE(RowIn(Pictures.back(), "ClipboardError"), 0) << "and left on the screen";
}

} // namespace
