// The failure box: what failed in the user's language, the system's reason
// for the code on lines of its own, and one OK button.
#include <string.h>

#include <string>
#include <vector>

#include "hostlink/failure_box.h"
#include "support/plugin_fixture.h"

typedef PluginTest FailureBoxTest;

// What the system says of a code, as the box should show it: on one line,
// in the host's OEM code page.
static std::string SystemReason(DWORD code) {
  char text[512] = "";
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL,
                                code, 0, text, sizeof text, NULL);
  std::string reason(text, length < sizeof text ? length : 0);
  for (char &c : reason)
    if (c == '\r' || c == '\n' || c == '\t')
      c = ' ';
  reason.erase(reason.find_last_not_of(' ') + 1);
  CharToOemA(&reason[0], &reason[0]);
  return reason;
}

struct FailureCase {
  int textMsg;
  DWORD code;
  const char *title;
  const char *text;
};

TEST_F(FailureBoxTest, SaysWhatFailedAndWhyWithOneButton) {
  const FailureCase cases[] = {
      {MSG_CLIPBOARD_FAILED, ERROR_CLIPBOARD_NOT_OPEN, "Error (1418)",
       "The text could not be put on the clipboard."},
      {MSG_SETTINGS_NOT_SAVED, ERROR_ACCESS_DENIED, "Error (5)",
       "The settings could not be saved."},
      {MSG_SETTINGS_NOT_SAVED, 0x2BADBEEF, "Error (732806895)", "The settings could not be saved."},
  };
  for (const FailureCase &c : cases) {
    Host().boxes.clear();
    Host().boxReply = 0;
    EXPECT_EQ(0, ShowFailureBox(c.textMsg, c.code)) << c.title << ": the host's answer";
    ASSERT_EQ(1u, Host().boxes.size()) << c.title;
    const MessageCall &box = Host().boxes[0];
    std::vector<std::string> expected = {c.title, c.text};
    std::string reason = SystemReason(c.code);
    if (!reason.empty())
      expected.push_back(reason); // short enough for one line in each case
    expected.push_back("\x01");
    expected.push_back("OK");
    EXPECT_EQ(expected, box.lines) << c.title << ": title, text, the system's reason, OK";
    EXPECT_EQ(FMSG_WARNING, (int)box.flags) << c.title << ": a warning, the reason already in it";
    EXPECT_EQ(1, box.buttons) << c.title << ": one button";
    EXPECT_FALSE(box.hasHelpTopic);
  }
}

TEST_F(FailureBoxTest, ASaveIsReportedOnlyWhenItFailed) {
  EXPECT_EQ(1, SettingsSaved(ERROR_SUCCESS));
  EXPECT_TRUE(Host().boxes.empty()) << "no box for a save that worked";
  EXPECT_EQ(0, SettingsSaved(ERROR_ACCESS_DENIED));
  ASSERT_EQ(1u, Host().boxes.size());
  EXPECT_EQ("Error (5)", Host().boxes[0].lines[0]);
  EXPECT_EQ("The settings could not be saved.", Host().boxes[0].lines[1]);
}
