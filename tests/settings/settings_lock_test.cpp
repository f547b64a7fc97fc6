// Two threads share the one current key: each sequence of an open and its
// reads or writes must run whole, or a write lands in the other's key.
#include <process.h>

#include "settings/settings_store.h"
#include "support/plugin_fixture.h"

typedef PluginTest SettingsLockTest;

static volatile LONG ReaderRunning;
static volatile LONG StopReader;

// What the clock thread does at the start of each display.
static void __cdecl ReadIndicatorSettings(void *) {
  while (!StopReader) {
    LockSettings();
    if (OpenSettingsKey("Indicator"))
      ReadNumber("SwitchMode");
    UnlockSettings();
  }
  InterlockedExchange(&ReaderRunning, 0);
}

TEST_F(SettingsLockTest, WritesStayInTheKeyTheirSequenceOpened) {
  StopReader = 0;
  ReaderRunning = 1;
  _beginthread(ReadIndicatorSettings, 0, nullptr);
  DWORD last = 0;
  int failedWrites = 0;
  for (DWORD i = 1; i <= 20000; i++) {
    LockSettings();
    OpenSettingsKey("Auto");
    failedWrites += WriteValue("Custom", &i, REG_DWORD) != ERROR_SUCCESS;
    UnlockSettings();
    last = i;
  }
  InterlockedExchange(&StopReader, 1);
  while (ReaderRunning)
    Sleep(1);
  EXPECT_EQ(0, failedWrites) << "no write met a key the other thread had closed";
  EXPECT_EQ(last, GetRegNumber(Key("Auto"), "Custom"));
  EXPECT_FALSE(GetRegValue(Key("Indicator"), "Custom").found)
      << "no write went to the other thread's key";
}
