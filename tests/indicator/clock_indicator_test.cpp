// The clock indicator against the console: natively the subset's, under
// Wine the real one in a pseudo-terminal.
#include <string.h>

#include "hostlink/host_table.h"
#include "indicator/clock_indicator.h"
#include "plugin/plugin.h"
#include "support/clock_console.h"

namespace {

const WORD UNDER = 0x1E; // what lies under the text before a display
const char LABEL[] = "<clock>";
const int LABEL_LENGTH = sizeof LABEL - 1;

class ClockIndicatorTest : public ClockConsoleTest {
protected:
  // A row of known content where the text will stand.
  void PaintRow(int y) {
    for (int x = 0; x < width; x += 10)
      Paint(x, y, "abcdefghij", UNDER);
  }
  // Shows LABEL until the menu entry switches it off; checks run during it.
  void ShowLabelUntilStopped(const std::function<void()> &during) {
    StoreClock(LABEL, 20000);
    StoreNumber("SwitchMode", 1);
    ASSERT_TRUE(StartDisplay());
    during();
    InvokeClockIndicator();
    ASSERT_TRUE(WaitForEnd());
  }
  bool LabelShownAt(int x, int y) { return Characters(x, y, LABEL_LENGTH) == LABEL; }
  // Waits for LABEL where it stands by default: flush right in the top row.
  bool LabelAppears() {
    return WaitUntil([&] { return LabelShownAt(width - LABEL_LENGTH, 0); });
  }
};

struct PlaceCase {
  DWORD xcoord, ycoord;
  int column, row; // where LABEL starts, counted from the right edge: width - column
};

TEST_F(ClockIndicatorTest, PlacedFromTheRightEdgeAndTheTopRow) {
  const PlaceCase cases[] = {
      {0, 0, LABEL_LENGTH, 0}, {10, 2, LABEL_LENGTH + 10, 2}, {3, 1, LABEL_LENGTH + 3, 1}};
  for (const PlaceCase &c : cases) {
    PaintRow((int)c.ycoord);
    StoreNumber("Xcoord", c.xcoord);
    StoreNumber("Ycoord", c.ycoord);
    int x = width - c.column;
    std::string before = Characters(0, c.row, width);
    ShowLabelUntilStopped([&] {
      EXPECT_TRUE(WaitUntil([&] { return LabelShownAt(x, c.row); }))
          << "Xcoord " << c.xcoord << " Ycoord " << c.ycoord << ": text at column " << x;
    });
    EXPECT_EQ(before, Characters(0, c.row, width)) << "the row is written back";
  }
}

TEST_F(ClockIndicatorTest, ColourZeroTakesTheFirstCellsAttribute) {
  PaintRow(0);
  Paint(width - LABEL_LENGTH, 0, "x", 0x2A);
  const WORD settings[] = {0, 0x4E};
  for (WORD colour : settings) {
    StoreNumber("Color", colour);
    WORD expected = colour ? colour : 0x2A;
    ShowLabelUntilStopped([&] {
      ASSERT_TRUE(LabelAppears());
      EXPECT_EQ(std::vector<WORD>(LABEL_LENGTH, expected),
                Attributes(width - LABEL_LENGTH, 0, LABEL_LENGTH))
          << "Color " << colour << ": the whole text in one attribute";
    });
    std::vector<WORD> after = Attributes(width - LABEL_LENGTH, 0, LABEL_LENGTH);
    EXPECT_EQ(0x2A, after[0]) << "Color " << colour << ": attributes written back";
    EXPECT_EQ(UNDER, after[1]) << "Color " << colour;
  }
}

// The host paints a run of cells in one call; characters here, since two
// calls (characters, then attributes) could each be taken for a repaint.
TEST_F(ClockIndicatorTest, ARepaintIsCoveredAgainAndIsWhatComesBack) {
  PaintRow(0);
  StoreNumber("Color", 0x4E);
  int x = width - LABEL_LENGTH;
  ShowLabelUntilStopped([&] {
    ASSERT_TRUE(WaitUntil([&] { return LabelShownAt(x, 0); }));
    COORD at = {(SHORT)x, 0};
    DWORD count = 0;
    WriteConsoleOutputCharacterA(output, "PAINTED", LABEL_LENGTH, at, &count);
    EXPECT_TRUE(WaitUntil([&] { return LabelShownAt(x, 0); })) << "the text is drawn again";
  });
  EXPECT_EQ("PAINTED", Characters(x, 0, LABEL_LENGTH)) << "the repaint, not the old content";
  EXPECT_EQ(std::vector<WORD>(LABEL_LENGTH, 0x4E), Attributes(x, 0, LABEL_LENGTH))
      << "in the colour it was painted in";
}

// The display leaves code page 1251 in force, which lacks the host's frame
// characters: they still come back as they were.
TEST_F(ClockIndicatorTest, FrameCharactersUnderTheTextComeBackExactly) {
  ASSERT_TRUE(SetConsoleOutputCP(866));
  std::string frame = "\xCD\xCD\xCD\xCD\xB5\xA0\xE1\xBB"; // ====|a c=+ in code page 866
  Paint(width - (int)frame.size(), 0, frame, UNDER);
  ShowLabelUntilStopped([&] { ASSERT_TRUE(LabelAppears()); });
  EXPECT_EQ(CLOCK_CODE_PAGE, (int)GetConsoleOutputCP());
  ASSERT_TRUE(SetConsoleOutputCP(866));
  EXPECT_EQ(frame, Characters(width - (int)frame.size(), 0, (int)frame.size()))
      << "read under 866 as they were written";
}

TEST_F(ClockIndicatorTest, TitleShowsTheTextAndComesBackCutTo79OrIsLeftAlone) {
  const std::string longTitle = "T" + std::string(119, 't');
  const struct {
    DWORD title;
    std::string before, during, after;
  } cases[] = {{1, longTitle, LABEL, longTitle.substr(0, 79)},
               {0, "my title", "my title", "my title"}};
  for (const auto &c : cases) {
    SetConsoleTitleA(c.before.c_str());
    StoreNumber("Title", c.title);
    ShowLabelUntilStopped([&] {
      ASSERT_TRUE(LabelAppears());
      EXPECT_TRUE(WaitUntil([&] { return Title() == c.during; }))
          << "Title " << c.title << ": the title while shown";
      if (c.title)
        SetConsoleTitleA("changed by the host");
    });
    EXPECT_EQ(c.after, Title()) << "Title " << c.title
                                << ": the title afterwards (the earlier one, cut to 79)";
  }
}

TEST_F(ClockIndicatorTest, SwitchModeOffIgnoresTheEntryWhileShown) {
  PaintRow(0);
  StoreClock(LABEL, 300);
  ASSERT_TRUE(StartDisplay());
  ASSERT_TRUE(LabelAppears());
  DWORD start = GetTickCount();
  InvokeClockIndicator();
  EXPECT_EQ(0, ClockStopRequest.load()) << "no stop requested";
  ASSERT_TRUE(WaitForEnd());
  EXPECT_GE(GetTickCount() - start, 200u) << "the display runs its time";
  EXPECT_EQ("abcdefghij", Characters(width - 10, 0, 10)) << "and then writes the cells back";
}

TEST_F(ClockIndicatorTest, SwitchModeOnStopsAndTheNextChoiceStartsAgain) {
  PaintRow(0);
  ShowLabelUntilStopped([&] { ASSERT_TRUE(LabelAppears()); });
  EXPECT_EQ(0, ClockStopRequest.load()) << "the stop is cleared at the end";
  EXPECT_EQ("abcdefghij", Characters(width - 10, 0, 10));
  ShowLabelUntilStopped(
      [&] { EXPECT_TRUE(LabelAppears()) << "choosing the entry once more starts a new display"; });
}

TEST_F(ClockIndicatorTest, DefaultFormatAndTimeWithFreshSettings) {
  Host().messages[MSG_CLOCK_PAUSE] = "150";
  PaintRow(0);
  std::string before = Characters(0, 0, width);
  DWORD start = GetTickCount();
  InvokeClockIndicator();
  // Message 8 of the test host is " %H:%M:%S ".
  bool shown = WaitUntil([&] {
    std::string text = Characters(width - 10, 0, 10);
    return text[0] == ' ' && text[3] == ':' && text[6] == ':' && text[9] == ' ';
  });
  EXPECT_TRUE(shown) << "message 8 flush right in the top row";
  ASSERT_TRUE(WaitForEnd());
  EXPECT_GE(GetTickCount() - start, 140u) << "shown for the time of message 9";
  EXPECT_EQ(before, Characters(0, 0, width));
  EXPECT_EQ(CLOCK_CODE_PAGE, (int)GetConsoleOutputCP()) << "code page 1251 stays in force";
}

TEST_F(ClockIndicatorTest, AnEmptyTextDrawsNothingAndBlanksTheTitle) {
  PaintRow(0);
  std::string before = Characters(0, 0, width);
  SetConsoleTitleA("my title");
  StoreClock("", 20000);
  StoreNumber("Title", 1);
  StoreNumber("SwitchMode", 1);
  ASSERT_TRUE(StartDisplay());
  EXPECT_TRUE(WaitUntil([&] { return Title().empty(); })) << "the title is blanked";
  EXPECT_EQ(before, Characters(0, 0, width)) << "nothing drawn";
  EXPECT_EQ(1, ClockRunning.load()) << "the display waits for its end";
  InvokeClockIndicator();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ("my title", Title());
}

// Texts too long for the buffers, places off the buffer: nothing is read or
// written outside the 80-entry buffers, and the screen comes back whole.
TEST_F(ClockIndicatorTest, LongTextsAndPlacesOffTheBufferStaySafe) {
  const struct {
    DWORD xcoord, ycoord;
  } places[] = {{0, 0}, {5000, 0}, {0xFFFFFFFF, 1}, {0, 30000}, {0, 0xFFFF}, {0x10000, 0}};
  std::string format(300, '#');
  PaintRow(0);
  PaintRow(1);
  std::string row0 = Characters(0, 0, width), row1 = Characters(0, 1, width);
  for (const auto &place : places) {
    StoreNumber("Xcoord", place.xcoord);
    StoreNumber("Ycoord", place.ycoord);
    StoreClock(format.c_str(), 30);
    ASSERT_TRUE(StartDisplay());
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(row0, Characters(0, 0, width)) << "Xcoord " << place.xcoord;
    EXPECT_EQ(row1, Characters(0, 1, width)) << "Xcoord " << place.xcoord;
  }
}

TEST_F(ClockIndicatorTest, MainMenuEnterStartsTheClock) {
  InstallFakeDialogs();
  StoreClock(LABEL, 20000);
  StoreNumber("SwitchMode", 1);
  Host().menuReplies = {Enter(2)};
  EXPECT_EQ(INVALID_HANDLE_VALUE, OpenPlugin(OPEN_PLUGINSMENU, 0));
  EXPECT_TRUE(LabelAppears());
  Host().menuReplies = {Enter(2)};
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_TRUE(WaitForEnd()) << "the entry switches it off again";
}

} // namespace
