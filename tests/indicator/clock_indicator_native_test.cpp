// The clock indicator where the subset can do what a real console cannot
// be made to: hold modifier keys, lose the console, fail calls, wrap ticks.
#include <process.h>

#include "datetext/locale_names.h"
#include "indicator/clock_indicator.h"
#include "plugin/plugin.h"
#include "support/clock_console.h"
#include "winsubset_control.h"

namespace {

const char LABEL[] = "<clock>";

class ClockNativeTest : public ClockConsoleTest {
protected:
  void TearDown() override {
    ClockConsoleTest::TearDown();
    WinSubset_Reset();
  }
  bool LabelShown() { return Characters(width - 7, 0, 7) == LABEL; }
  // How long a display lasts that is started with `pause` ms and nudged by
  // `during` once it shows.
  DWORD Lasts(DWORD pause, const std::function<void()> &during) {
    StoreClock(LABEL, pause);
    DWORD start = GetTickCount();
    EXPECT_TRUE(StartDisplay());
    EXPECT_TRUE(WaitUntil([&] { return LabelShown(); }));
    during();
    EXPECT_TRUE(WaitForEnd());
    return GetTickCount() - start;
  }
};

struct ModifierCase {
  DWORD ctrlOff;
  int heldAtStart;       // a key held when the display starts, 0 none
  int pressed, released; // then changed while it shows, 0 none
  bool endsEarly;
};

TEST_F(ClockNativeTest, CtrlOffEndsTheDisplayWhenTheModifiersChange) {
  const ModifierCase cases[] = {
      {1, VK_CONTROL, 0, VK_CONTROL, true},   {1, VK_CONTROL, VK_SHIFT, 0, true},
      {1, VK_LSHIFT, VK_MENU, 0, true},       {1, VK_RMENU, 0, VK_RMENU, true},
      {1, VK_CONTROL, VK_LCONTROL, 0, false}, // still only Ctrl
      {1, 0, VK_CONTROL, 0, false},           // no modifier at the start: no check
      {0, VK_CONTROL, 0, VK_CONTROL, false}};
  for (const ModifierCase &c : cases) {
    StoreNumber("CtrlOff", c.ctrlOff);
    if (c.heldAtStart)
      WinSubset_SetKeyDown(c.heldAtStart, 1);
    DWORD lasted = Lasts(400, [&] {
      if (c.pressed)
        WinSubset_SetKeyDown(c.pressed, 1);
      if (c.released)
        WinSubset_SetKeyDown(c.released, 0);
    });
    if (c.endsEarly)
      EXPECT_LT(lasted, 300u) << "CtrlOff " << c.ctrlOff << " held " << c.heldAtStart;
    else
      EXPECT_GE(lasted, 390u) << "CtrlOff " << c.ctrlOff << " held " << c.heldAtStart;
    for (int vk : {c.heldAtStart, c.pressed, c.released})
      WinSubset_SetKeyDown(vk, 0);
  }
}

TEST_F(ClockNativeTest, ReadModifierMaskAddsOneBitPerKey) {
  EXPECT_EQ(0, ReadModifierMask()) << "nothing held";
  const struct {
    int key, mask; // the mask once this key is held too
  } held[] = {{VK_RCONTROL, 0x100}, {VK_SHIFT, 0x110}, {VK_LMENU, 0x111}, {VK_F4, 0x111}};
  for (const auto &h : held) {
    WinSubset_SetKeyDown(h.key, 1);
    EXPECT_EQ(h.mask, ReadModifierMask()) << "with key " << h.key << " held too";
  }
}

TEST_F(ClockNativeTest, ADisplayAcrossTheTickWrapLastsItsTime) {
  WinSubset_SetTickBase(0xFFFFFFFF - 100);
  EXPECT_GE(Lasts(300, [] {}), 290u) << "not ended at once by a deadline that wrapped";
}

TEST_F(ClockNativeTest, WithoutAConsoleNothingIsShownAndTheFlagsAreReleased) {
  const char *failing[] = {"GetStdHandle", "GetConsoleScreenBufferInfo"};
  for (const char *call : failing) {
    SetConsoleTitleA("my title");
    StoreClock(LABEL, 20000);
    StoreNumber("Title", 1);
    WinSubset_FailCall(call, ERROR_INVALID_HANDLE, -1);
    InvokeClockIndicator();
    EXPECT_TRUE(WaitForEnd()) << call << ": the display is skipped";
    EXPECT_EQ(0, ClockStopRequest.load()) << call;
    EXPECT_EQ("my title", Title()) << call << ": the title is not touched";
    WinSubset_FailCall(call, 0, 0);
  }
  WinSubset_SetConsole(0, 0, 0);
  InvokeClockIndicator();
  EXPECT_TRUE(WaitForEnd()) << "no console at all";
}

SYSTEMTIME Moment(WORD day, WORD weekday, WORD second) {
  SYSTEMTIME moment = {2026, 12, weekday, day, 12, 0, second, 0};
  return moment;
}

// The text follows the clock: each new second shows, a longer text saves
// the cells it newly covers, a shorter one puts back those it leaves, and
// the title goes along.
TEST_F(ClockNativeTest, TheTextTicksAndLeavesNothingBehind) {
  for (int x = 0; x < width; x += 10)
    Paint(x, 0, "abcdefghij", 0x1E);
  std::string row = Characters(0, 0, width);
  const struct {
    SYSTEMTIME moment;
    std::string text;
  } ticks[] = {{Moment(7, 1, 5), "Monday 05"},
               {Moment(9, 3, 6), "Wednesday 06"},
               {Moment(7, 1, 7), "Monday 07"}};
  WinSubset_SetLocalTime(&ticks[0].moment);
  StoreClock("%A %S", 20000);
  StoreNumber("Title", 1);
  StoreNumber("SwitchMode", 1);
  ASSERT_TRUE(StartDisplay());
  for (const auto &tick : ticks) {
    WinSubset_SetLocalTime(&tick.moment);
    int length = (int)tick.text.size();
    EXPECT_TRUE(WaitUntil([&] { return Characters(width - length, 0, length) == tick.text; }))
        << tick.text << ": shown";
    EXPECT_EQ(row.substr(0, width - length), Characters(0, 0, width - length))
        << tick.text << ": the rest of the row is the host's";
    EXPECT_TRUE(WaitUntil([&] { return Title() == tick.text; })) << tick.text << ": the title";
  }
  InvokeClockIndicator();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(row, Characters(0, 0, width)) << "the row as it was";
  WinSubset_SetLocalTime(nullptr);
}

COORD HostCell;

// The host's thread writing "7" at HostCell.
void HostWritesSeven(void) {
  CHAR_INFO cell;
  cell.Char.UnicodeChar = '7';
  cell.Attributes = 0x1F;
  COORD size = {1, 1}, origin = {0, 0};
  SMALL_RECT region = {HostCell.X, HostCell.Y, HostCell.X, HostCell.Y};
  WriteConsoleOutputW(GetStdHandle(STD_OUTPUT_HANDLE), &cell, size, origin, &region);
}

// The host writes a cell between a pass's read and its write: the pass
// draws only the cells its read found without the text, so the host's cell
// stays, is taken at the next pass, and is what the end puts back.
TEST_F(ClockNativeTest, AHostWriteDuringAPassIsKeptAndComesBack) {
  for (int x = 0; x < width; x += 10)
    Paint(x, 0, "abcdefghij", 0x1E);
  COORD at = {(SHORT)(width - 7), 0};
  std::string expected = Characters(at.X, 0, 7);
  ClockDisplay display;
  memset(&display, 0, sizeof display);
  display.Console = output;
  display.Color = 0x4E;
  const WCHAR text[] = {'<', 'c', 'l', 'o', 'c', 'k', '>', 0};
  MoveClockCells(&display, at, 7, text);
  ASSERT_EQ(1, RunClockPass(&display));
  Paint(at.X, 0, "a", 0x1E); // a repaint the next pass covers
  HostCell = {(SHORT)(at.X + 5), 0};
  WinSubset_AfterNextConsoleRead(HostWritesSeven);
  EXPECT_EQ(1, RunClockPass(&display));
  EXPECT_EQ("<cloc7>", Characters(at.X, 0, 7)) << "the host's write not covered unseen";
  EXPECT_EQ(1, RunClockPass(&display));
  PutBackClockCells(&display);
  expected[0] = 'a';
  expected[5] = '7';
  EXPECT_EQ(expected, Characters(at.X, 0, 7)) << "the host's last cells";
}

// Passes are spaced: a display of 300 ms reads its cells some tens of
// times, not thousands.
TEST_F(ClockNativeTest, PassesAreSpacedByAShortWait) {
  StoreClock(LABEL, 300);
  WinSubset_FailNthCall(0, 0); // counts the calls
  InvokeClockIndicator();
  Sleep(400); // no console call of this thread meanwhile
  int calls = WinSubset_CountedCalls();
  WinSubset_FailNthCall(0, 0);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_GT(calls, 300 / CLOCK_PASS_SPACING / 2) << "a pass every few milliseconds";
  EXPECT_LT(calls, 4 * 300 / CLOCK_PASS_SPACING) << "a wait between passes";
}

// Kept until switched off: the display time does not end it, the menu
// entry does, SwitchMode or not.
TEST_F(ClockNativeTest, AClockKeptUntilSwitchedOffStaysPastItsTime) {
  StoreClock(LABEL, 50);
  StoreNumber("Stay", 1);
  ASSERT_TRUE(StartDisplay());
  Sleep(300);
  EXPECT_TRUE(LabelShown()) << "still shown past its 50 ms";
  EXPECT_EQ(1, EntrySwitchesClockOff()) << "the entry takes it away";
  InvokeClockIndicator();
  EXPECT_TRUE(WaitForEnd());
  EXPECT_EQ(0, EntrySwitchesClockOff()) << "and only while it is shown";
}

// No thread runs without its own reference to the module.
TEST_F(ClockNativeTest, AThreadThatCannotStartLeavesNothingBehind) {
  const char *failing[] = {"CreateThread", "LoadLibraryA", "GetModuleFileNameA"};
  for (const char *call : failing) {
    StoreClock(LABEL, 20000);
    WinSubset_FailCall(call, ERROR_NOT_ENOUGH_MEMORY, 1);
    InvokeClockIndicator();
    Sleep(20);
    EXPECT_EQ(0, ClockRunning.load()) << call;
    EXPECT_EQ(0, ClockThreads.load()) << call;
    EXPECT_EQ(0, WinSubset_LiveThreads()) << call;
    EXPECT_FALSE(LabelShown()) << call;
  }
}

TEST_F(ClockNativeTest, ASecondThreadFindsTheDisplayClaimedAndPassesOnSwitchMode) {
  const DWORD modes[] = {0, 1};
  for (DWORD mode : modes) {
    StoreClock(LABEL, 20000);
    StoreNumber("SwitchMode", mode);
    std::string before = Characters(0, 0, width);
    ClockRunning.store(1); // another thread's display
    RunClockIndicator(nullptr);
    EXPECT_EQ((LONG)mode, ClockStopRequest.load()) << "SwitchMode " << mode;
    EXPECT_EQ((LONG)mode, ClockSwitchMode.load()) << "read at the thread's start";
    EXPECT_EQ(1, ClockRunning.load()) << "the claim is not its to release";
    EXPECT_EQ(before, Characters(0, 0, width)) << "nothing drawn";
    ClockRunning.store(0);
    ClockStopRequest.store(0);
  }
}

// A clock thread that outlives ExitFAR's wait may still expand its format:
// the names stay, a small leak rather than a crash; with none they go.
TEST_F(ClockNativeTest, ExitFarKeepsTheNamesWhileAClockThreadRuns) {
  struct tm january = {};
  char name[32];
  for (LONG running : {1, 0}) {
    ASSERT_LT(0, LocaleText("", 0, CP_OEMCP, 'B', 0, 0, &january, name, sizeof name));
    ClockThreads.store(running); // a thread that never ends
    ExitFAR();
    ClockThreads.store(0);
    ClockUnloading.store(0);
    // Names freed would have to be allocated again.
    WinSubset_FailCall("GlobalAlloc", ERROR_NOT_ENOUGH_MEMORY, -1);
    int kept = LocaleText("", 0, CP_OEMCP, 'B', 0, 0, &january, name, sizeof name);
    WinSubset_FailCall("GlobalAlloc", 0, 0);
    EXPECT_EQ(running != 0, kept > 0)
        << (running ? "kept while" : "freed unless") << " a thread runs";
  }
}

TEST_F(ClockNativeTest, ConsoleCallsThatFailDrawNothingAndLoseNothing) {
  const char *failing[] = {"ReadConsoleOutputW", "WriteConsoleOutputW", "GetConsoleTitleW",
                           "SetConsoleTitleW"};
  for (const char *call : failing) {
    Paint(width - 10, 0, "abcdefghij", 0x1E);
    WinSubset_FailCall(call, ERROR_INVALID_HANDLE, -1);
    StoreClock(LABEL, 40);
    ASSERT_TRUE(RunDisplayThrough()) << call;
    WinSubset_FailCall(call, 0, 0);
    EXPECT_EQ("abcdefghij", Characters(width - 10, 0, 10)) << call;
    EXPECT_EQ(std::vector<WORD>(10, 0x1E), Attributes(width - 10, 0, 10)) << call;
  }
}

} // namespace
