// The clock indicator against the console: natively the subset's, under
// Wine the real one in a pseudo-terminal.
#include <stdio.h>
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

// The host's output code page stays whatever it is, and frame characters
// under the text come back exactly.
TEST_F(ClockIndicatorTest, TheCodePageStaysAndFrameCharactersComeBack) {
  const UINT codePages[] = {866, 1251};
  for (UINT codePage : codePages) {
    ASSERT_TRUE(SetConsoleOutputCP(866));
    std::string frame = "\xCD\xCD\xCD\xCD\xB5\xA0\xE1\xBB"; // ====|a c=+ in code page 866
    Paint(width - (int)frame.size(), 0, frame, UNDER);
    ASSERT_TRUE(SetConsoleOutputCP(codePage));
    ShowLabelUntilStopped([&] { ASSERT_TRUE(LabelAppears()); });
    EXPECT_EQ(codePage, GetConsoleOutputCP()) << "the code page found";
    ASSERT_TRUE(SetConsoleOutputCP(866));
    EXPECT_EQ(frame, Characters(width - (int)frame.size(), 0, (int)frame.size()))
        << "under code page " << codePage << ": read under 866 as they were written";
  }
}

// Formats typed in the dialog and the language file's texts are OEM (866).
TEST_F(ClockIndicatorTest, CyrillicTextShowsInTheOemCodePage) {
  const std::string time = "\x82\xE0\xA5\xAC\xEF"; // "Время" in code page 866
  const std::string formats[] = {"custom", "default"};
  for (const std::string &which : formats) {
    if (which == "custom")
      StoreClock(time.c_str(), 20000);
    else
      Host().messages[MSG_CLOCK_FORMAT] = time;
    StoreNumber("Custom", which == "custom");
    StoreNumber("SwitchMode", 1);
    ASSERT_TRUE(StartDisplay());
    EXPECT_TRUE(WaitUntil([&] { return Characters(width - 5, 0, 5) == time; }))
        << which << " format: the letters as written";
    InvokeClockIndicator();
    ASSERT_TRUE(WaitForEnd());
  }
}

// A display of `text` on LABEL's cells at the top right, not yet drawn.
static ClockDisplay DisplayAt(HANDLE output, COORD at, const char *text) {
  ClockDisplay display;
  memset(&display, 0, sizeof display);
  display.Console = output;
  display.Color = 0x4E;
  WCHAR wide[CLOCK_TEXT_SIZE] = {0};
  for (int i = 0; text[i]; i++)
    wide[i] = (WCHAR)text[i];
  MoveClockCells(&display, at, (DWORD)strlen(text), wide);
  return display;
}

// Each cell comes back as the host last wrote it: a cell the host paints
// differs from what the display last drew, and is taken at the next pass,
// even when it shows the display's next text; after the last pass it is
// left as painted. The rest comes back as it was before the display.
TEST_F(ClockIndicatorTest, EachCellComesBackAsTheHostLastWroteIt) {
  PaintRow(0);
  COORD at = {(SHORT)(width - LABEL_LENGTH), 0};
  std::string expected = Characters(at.X, 0, LABEL_LENGTH);
  ClockDisplay display = DisplayAt(output, at, LABEL);
  EXPECT_EQ(1, RunClockPass(&display)) << "drawn";
  EXPECT_EQ(0, RunClockPass(&display)) << "nothing to draw again";
  Paint(at.X + 1, 0, "12", 0x4E); // the host's, in the clock's colour
  EXPECT_EQ(1, RunClockPass(&display)) << "covered again";
  ClockDisplay next = DisplayAt(output, at, "<clonk>");
  MoveClockCells(&display, at, LABEL_LENGTH, next.WideText);
  Paint(at.X + 4, 0, "n", 0x4E); // as the next text reads, before it is drawn
  EXPECT_EQ(0, RunClockPass(&display)) << "the host's cell shows the text already";
  EXPECT_EQ("<clonk>", Characters(at.X, 0, LABEL_LENGTH));
  Paint(at.X + 1, 0, "13", 0x4E); // after the last pass
  Paint(at.X + 6, 0, ">", 0x07);  // the display's character, another colour
  PutBackClockCells(&display);
  expected.replace(1, 2, "13");
  expected[4] = 'n';
  expected[6] = '>';
  EXPECT_EQ(expected, Characters(at.X, 0, LABEL_LENGTH)) << "the host's last cells";
  std::vector<WORD> attributes = {UNDER, 0x4E, 0x4E, UNDER, 0x4E, UNDER, 0x07};
  EXPECT_EQ(attributes, Attributes(at.X, 0, LABEL_LENGTH));
}

// The title goes back whole while it shows the clock's text; one the host
// set during the display stays, as the cells it repaints do.
TEST_F(ClockIndicatorTest, TitleShowsTheTextAndComesBackUnlessTheHostSetOne) {
  const std::string longTitle = "T" + std::string(119, 't');
  const struct {
    DWORD title;
    std::string before, during, hostSets, after;
  } cases[] = {{1, longTitle, LABEL, "", longTitle},
               {1, longTitle, LABEL, "set by the host", "set by the host"},
               {0, "my title", "my title", "", "my title"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << "Title " << c.title << ", host sets: " << c.hostSets);
    SetConsoleTitleA(c.before.c_str());
    StoreNumber("Title", c.title);
    ShowLabelUntilStopped([&] {
      ASSERT_TRUE(LabelAppears());
      EXPECT_TRUE(WaitUntil([&] { return Title() == c.during; })) << "the title while shown";
      if (!c.hostSets.empty())
        SetConsoleTitleA(c.hostSets.c_str());
    });
    EXPECT_EQ(c.after, Title()) << "the title afterwards";
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

// The clock's format takes blocks like any other: a clock for another zone,
// here 5:45 hours east of UTC (no local zone's offset), told from the
// system's own UTC clock.
TEST_F(ClockIndicatorTest, AClockForAnotherZone) {
  StoreClock("%{@UTC+5:45}%H:%M east", 20000);
  StoreNumber("SwitchMode", 1);
  ASSERT_TRUE(StartDisplay());
  std::string expected;
  EXPECT_TRUE(WaitUntil([&] {
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    int minutes = (utc.wHour * 60 + utc.wMinute + 345) % 1440;
    char text[16];
    snprintf(text, sizeof text, "%02d:%02d east", minutes / 60, minutes % 60);
    expected = text;
    return Characters(width - (int)expected.size(), 0, (int)expected.size()) == expected;
  })) << "the time 5:45 hours east of UTC flush right, as "
      << expected;
  InvokeClockIndicator();
  ASSERT_TRUE(WaitForEnd());
}

// A format's silent mistake is said once as a display starts, before the
// clock's thread runs, and the display goes on; a sound one says nothing.
TEST_F(ClockIndicatorTest, AFormatsMistakeIsNotedAsTheDisplayStarts) {
  Host().messages[78] = "Its format has a mistake:";
  const struct {
    const char *format, *shown;
    size_t notes;
  } cases[] = {{"<%{@Tokio}x>", "<x>", 1}, {"<x%Q>", "<x%Q>", 0}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.format);
    Host().boxes.clear();
    StoreClock(c.format, 100);
    ASSERT_TRUE(StartDisplay());
    ASSERT_EQ(c.notes, Host().boxes.size());
    if (c.notes) {
      EXPECT_EQ("Its format has a mistake:", Host().boxes[0].lines.at(1));
    }
    EXPECT_TRUE(WaitUntil([&] {
      int length = (int)strlen(c.shown);
      return Characters(width - length, 0, length) == c.shown;
    })) << "the display goes on";
    ASSERT_TRUE(WaitForEnd());
  }
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
    ASSERT_TRUE(RunDisplayThrough());
    EXPECT_EQ(row0, Characters(0, 0, width)) << "Xcoord " << place.xcoord;
    EXPECT_EQ(row1, Characters(0, 1, width)) << "Xcoord " << place.xcoord;
  }
}

// Places out of range, stored by other means, are clamped, never wrapped; a
// text wholly off the buffer ends the display at once, one partly off is cut.
TEST_F(ClockIndicatorTest, PlacesOffTheBufferEndAtOnceOrCutTheText) {
  const struct {
    DWORD xcoord, ycoord;
    const char *shown; // at the start of row 0; null: the display ends at once
  } cases[] = {{5000, 0, nullptr},      {0x10005, 0, nullptr},    {0, 0x10001, nullptr},
               {0, (DWORD)-1, nullptr}, {0x80000000, 0, nullptr}, {(DWORD)width - 3, 0, "ck>"}};
  for (const auto &c : cases) {
    PaintRow(0);
    StoreClock(LABEL, 20000);
    StoreNumber("SwitchMode", 1);
    StoreNumber("Title", 1);
    StoreNumber("Xcoord", c.xcoord);
    StoreNumber("Ycoord", c.ycoord);
    SetConsoleTitleA("my title");
    DWORD start = GetTickCount();
    InvokeClockIndicator();
    if (c.shown) {
      EXPECT_TRUE(WaitUntil([&] { return Characters(0, 0, 3) == c.shown; }))
          << "Xcoord " << c.xcoord << ": the part on the buffer";
      InvokeClockIndicator();
    }
    EXPECT_TRUE(WaitUntil([] { return ClockThreads.load() == 0; }));
    if (!c.shown) {
      EXPECT_LT(GetTickCount() - start, 2000u) << "Xcoord " << c.xcoord << " Ycoord " << c.ycoord;
      EXPECT_EQ("my title", Title()) << "Xcoord " << c.xcoord << ": the title untouched";
    }
  }
}

// The host's last call before it unloads the module: the display ends, the
// screen and title come back, and no thread of the module runs on.
TEST_F(ClockIndicatorTest, ExitFarEndsADisplayWithinASecond) {
  PaintRow(0);
  std::string before = Characters(0, 0, width);
  SetConsoleTitleA("my title");
  StoreClock(LABEL, 20000);
  StoreNumber("Title", 1);
  StoreNumber("SwitchMode", 1);
  ASSERT_TRUE(StartDisplay());
  ASSERT_TRUE(LabelAppears());
  DWORD start = GetTickCount();
  ExitFAR();
  EXPECT_LT(GetTickCount() - start, (DWORD)CLOCK_EXIT_WAIT) << "a bounded wait";
  EXPECT_EQ(0, ClockThreads.load()) << "no clock thread left";
  EXPECT_EQ(0, ClockRunning.load());
  EXPECT_EQ(before, Characters(0, 0, width)) << "the screen back";
  EXPECT_EQ("my title", Title()) << "the title back";
  start = GetTickCount();
  ExitFAR();
  EXPECT_LT(GetTickCount() - start, 100u) << "with no display it returns at once";
  EXPECT_TRUE(StartDisplay()) << "a module kept loaded shows the clock again";
  InvokeClockIndicator();
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
