// The system's reason as the box shows it, whatever its length: one space
// for each line end, lines of 60 characters broken at spaces, four lines at
// the most, a word longer than a line left whole.
#include <string>
#include <vector>

#include "hostlink/failure_box.h"
#include "support/plugin_fixture.h"
#include "winsubset_control.h"

typedef PluginTest FailureBoxReasonTest;

struct ReasonCase {
  const char *text; // as the system gives it
  std::vector<std::string> lines;
};

TEST_F(FailureBoxReasonTest, LongReasonsAreWrappedAtSpaces) {
  const ReasonCase cases[] = {
      {"The configuration registry database is corrupt and cannot be written to\r\n"
       "until it is repaired.\r\n",
       {"The configuration registry database is corrupt and cannot be",
        "written to until it is repaired."}},
      {"\tSixty characters to the letter, and the line ends right here\r\n",
       {"Sixty characters to the letter, and the line ends right here"}},
      {"ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ tail\r\n",
       {"ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ tail"}},
      {"one two three four five six seven eight nine ten eleven twelve thirteen fourteen "
       "fifteen sixteen seventeen eighteen nineteen twenty twenty-one twenty-two "
       "twenty-three twenty-four twenty-five twenty-six twenty-seven twenty-eight "
       "twenty-nine thirty\r\n",
       {"one two three four five six seven eight nine ten eleven",
        "twelve thirteen fourteen fifteen sixteen seventeen eighteen",
        "nineteen twenty twenty-one twenty-two twenty-three",
        "twenty-four twenty-five twenty-six twenty-seven twenty-eight"}},
  };
  for (const ReasonCase &c : cases) {
    WinSubset_SetSystemMessage(ERROR_BADKEY, c.text);
    Host().boxes.clear();
    ShowFailureBox(MSG_SETTINGS_NOT_SAVED, ERROR_BADKEY);
    ASSERT_EQ(1u, Host().boxes.size()) << c.text;
    std::vector<std::string> lines = Host().boxes[0].lines;
    ASSERT_GE(lines.size(), 4u) << c.text;
    std::vector<std::string> reason(lines.begin() + 2, lines.end() - 2);
    EXPECT_EQ(c.lines, reason) << "the reason's lines of \"" << c.text << "\"";
  }
}
