// The clock indicator where the subset can do what a real console cannot
// be made to: hold modifier keys, lose the console, fail calls, wrap ticks.
#include <process.h>

#include "indicator/clock_indicator.h"
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
