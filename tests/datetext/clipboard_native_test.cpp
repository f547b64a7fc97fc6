// The clipboard refusing the text, which only the native subset can arrange
// on demand.
#include "hostlink/date_delivery.h"
#include "support/clipboard_text.h"
#include "support/plugin_fixture.h"
#include "winsubset_control.h"

class ClipboardRefusalTest : public PluginTest {
protected:
  void TearDown() override {
    WinSubset_Reset();
    PluginTest::TearDown();
  }
};

TEST_F(ClipboardRefusalTest, RefusedTextShowsTheErrorBoxWithTheSystemError) {
  WinSubset_FailCall("SetClipboardData", ERROR_ACCESS_DENIED, 1);
  PutHoralis("%Y", nullptr);
  ASSERT_EQ(1u, Host().boxes.size()) << "one error box";
  EXPECT_EQ("Error (5)", Host().boxes[0].lines[0]) << "the system's code in the title";
  EXPECT_EQ("The text could not be put on the clipboard.", Host().boxes[0].lines[1]);
  EXPECT_EQ("OK", Host().boxes[0].lines.back()) << "one button";
  EXPECT_TRUE(OpenClipboard(NULL)) << "the clipboard is closed after a failure too";
  CloseClipboard();
}

// As for a process whose window station has no clipboard rights: all three
// calls are refused with error 5.
TEST_F(ClipboardRefusalTest, RefusedClipboardKeepsItsContents) {
  PutHoralis("before", nullptr);
  WinSubset_FailCall("OpenClipboard", ERROR_ACCESS_DENIED, 1);
  WinSubset_FailCall("EmptyClipboard", ERROR_ACCESS_DENIED, 1);
  WinSubset_FailCall("SetClipboardData", ERROR_ACCESS_DENIED, 1);
  PutHoralis("after", nullptr);
  ASSERT_EQ(1u, Host().boxes.size());
  EXPECT_EQ("Error (5)", Host().boxes[0].lines[0]);
  EXPECT_EQ("before", ClipboardText()) << "the earlier contents stay";
}
