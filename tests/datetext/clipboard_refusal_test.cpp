// The clipboard refusing the text on a real system: a process whose window
// station has no clipboard rights is refused all three clipboard calls
// with error 5. Window stations exist only there, so natively the same case
// is arranged by fault injection (clipboard_native_test.cpp).
#ifdef _WIN32

#include "hostlink/date_delivery.h"
#include "support/clipboard_text.h"
#include "support/plugin_fixture.h"

class WindowStationWithoutClipboardTest : public PluginTest {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    original = GetProcessWindowStation();
    restricted = CreateWindowStationA("HoralisTestNoClipboard", 0,
                                      WINSTA_READATTRIBUTES | WINSTA_WRITEATTRIBUTES |
                                          WINSTA_CREATEDESKTOP | WINSTA_ENUMDESKTOPS,
                                      nullptr);
    ASSERT_NE(nullptr, restricted) << "creating a window station, error " << GetLastError();
  }
  void TearDown() override {
    SetProcessWindowStation(original);
    if (restricted)
      CloseWindowStation(restricted);
    PluginTest::TearDown();
  }
  HWINSTA original = nullptr;
  HWINSTA restricted = nullptr;
};

TEST_F(WindowStationWithoutClipboardTest, RefusedTextShowsTheErrorBox) {
  PutHoralis("kept", nullptr);
  ASSERT_TRUE(SetProcessWindowStation(restricted));
  PutHoralis("%Y", nullptr);
  ASSERT_TRUE(SetProcessWindowStation(original));

  ASSERT_EQ(1u, Host().boxes.size()) << "one error box";
  EXPECT_EQ("Error (5)", Host().boxes[0].lines[0]) << "the system's code in the title";
  EXPECT_EQ("The text could not be put on the clipboard.", Host().boxes[0].lines[1]);
  EXPECT_EQ("OK", Host().boxes[0].lines.back()) << "one button";
  EXPECT_EQ("kept", ClipboardText()) << "the earlier contents stay";
}

#endif
