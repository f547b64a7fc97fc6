// What tests can arrange that real Windows gives no handle for.
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>
#include <thread>

#include "native_fixture.h"

namespace {

COORD At(int x, int y) {
  COORD position = {(SHORT)x, (SHORT)y};
  return position;
}

} // namespace

class ClipboardOwnershipTest : public FreshSubsetTest {};

TEST_F(ClipboardOwnershipTest, TheClipboardFreesTheBlocksItWasGiven) {
  ASSERT_TRUE(OpenClipboard(NULL));
  HGLOBAL first = GlobalAlloc(GMEM_MOVEABLE, 8);
  HGLOBAL second = GlobalAlloc(GMEM_MOVEABLE, 8);
  ASSERT_EQ(first, SetClipboardData(CF_TEXT, first));
  ASSERT_EQ(second, SetClipboardData(CF_TEXT, second));
  SetLastError(0);
  EXPECT_EQ(0u, GlobalSize(first)) << "a replaced block is freed";
  EXPECT_EQ((DWORD)ERROR_INVALID_HANDLE, GetLastError());
  EXPECT_EQ(8u, GlobalSize(second)) << "the block in use is kept";
  ASSERT_TRUE(EmptyClipboard());
  EXPECT_EQ(0u, GlobalSize(second)) << "emptying frees it";
  HGLOBAL refused = GlobalAlloc(GMEM_MOVEABLE, 8);
  CloseClipboard();
  EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, refused));
  EXPECT_EQ(8u, GlobalSize(refused)) << "a refused block stays the caller's";
  GlobalFree(refused);
}

class NoConsoleTest : public FreshSubsetTest {};

TEST_F(NoConsoleTest, WithoutAConsoleEveryConsoleCallFailsAsInWine) {
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  WinSubset_SetConsole(0, 0, 0);
  EXPECT_EQ(nullptr, GetStdHandle(STD_OUTPUT_HANDLE)) << "no standard output";
  DWORD count = 99;
  char text[8];
  CONSOLE_SCREEN_BUFFER_INFO info;
  SetLastError(0);
  EXPECT_FALSE(GetConsoleScreenBufferInfo(console, &info)) << "the old handle is dead";
  EXPECT_EQ((DWORD)ERROR_INVALID_HANDLE, GetLastError());
  EXPECT_FALSE(ReadConsoleOutputCharacterA(console, text, 1, At(0, 0), &count));
  EXPECT_EQ((DWORD)ERROR_INVALID_HANDLE, GetLastError());
  EXPECT_EQ(0u, count);
  struct {
    const char *what;
    bool failed;
  } others[] = {
      {"GetConsoleTitleA", GetConsoleTitleA(text, sizeof text) == 0},
      {"SetConsoleTitleA", !SetConsoleTitleA("x")},
      {"GetConsoleOutputCP", GetConsoleOutputCP() == 0},
      {"SetConsoleOutputCP", !SetConsoleOutputCP(1251)},
  };
  for (auto &other : others)
    EXPECT_TRUE(other.failed) << other.what << " fails without a console";
  EXPECT_EQ((DWORD)ERROR_INVALID_ACCESS, GetLastError()) << "with Wine's error";

  WinSubset_SetConsole(1, 100, 40);
  SetLastError(0);
  EXPECT_FALSE(SetConsoleTitleA(NULL)) << "a null title is refused (Wine takes garbage)";
  EXPECT_EQ((DWORD)ERROR_INVALID_PARAMETER, GetLastError());
  ASSERT_TRUE(GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info));
  EXPECT_EQ(100, info.dwSize.X) << "a console of the size asked for";
  EXPECT_EQ(40, info.dwSize.Y);
  EXPECT_EQ(866u, GetConsoleOutputCP()) << "a new console starts at 866";
}

TEST_F(NoConsoleTest, TwoThreadsDrawingAtOnceKeepEveryCellWhole) {
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  auto draw = [console](const char *text, int row) {
    for (int i = 0; i < 2000; i++) {
      DWORD count;
      WriteConsoleOutputCharacterA(console, text, 80, At(0, row), &count);
      FillConsoleOutputAttribute(console, (WORD)row, 80, At(0, row), &count);
    }
  };
  std::string as(80, 'a'), bs(80, 'b');
  std::thread first(draw, as.c_str(), 1), second(draw, bs.c_str(), 2);
  first.join();
  second.join();
  char row[80];
  DWORD count;
  ReadConsoleOutputCharacterA(console, row, 80, At(0, 1), &count);
  EXPECT_EQ(as, std::string(row, 80)) << "row 1 holds the first thread's text";
  ReadConsoleOutputCharacterA(console, row, 80, At(0, 2), &count);
  EXPECT_EQ(bs, std::string(row, 80)) << "row 2 the second's";
}

class KeyboardAndClockTest : public FreshSubsetTest {};

TEST_F(KeyboardAndClockTest, KeysHeldDownSetTheHighBit) {
  EXPECT_EQ(0, GetAsyncKeyState(VK_CONTROL)) << "no key is down at first";
  WinSubset_SetKeyDown(VK_CONTROL, 1);
  EXPECT_NE(0, GetAsyncKeyState(VK_CONTROL) & 0x8000) << "a held key has the high bit";
  EXPECT_LT(GetAsyncKeyState(VK_CONTROL), 0) << "so the short is negative";
  EXPECT_EQ(0, GetAsyncKeyState(VK_SHIFT)) << "other keys stay up";
  WinSubset_SetKeyDown(VK_RSHIFT, 1);
  EXPECT_NE(0, GetAsyncKeyState(VK_SHIFT) & 0x8000) << "the right Shift counts as Shift";
  WinSubset_SetKeyDown(VK_CONTROL, 0);
  EXPECT_EQ(0, GetAsyncKeyState(VK_CONTROL)) << "a released key is up";
  EXPECT_EQ(0, GetAsyncKeyState(-1)) << "out of range";
  EXPECT_EQ(0, GetAsyncKeyState(300)) << "out of range";
}

TEST_F(KeyboardAndClockTest, AFixedMomentAndATickBase) {
  SYSTEMTIME moment = {2024, 2, 4, 29, 23, 59, 58, 999};
  WinSubset_SetLocalTime(&moment);
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_EQ(0, memcmp(&moment, &now, sizeof now)) << "GetLocalTime reports the fixed moment";
  WinSubset_SetLocalTime(NULL);
  GetLocalTime(&now);
  EXPECT_GT(now.wYear, 2024) << "null goes back to the clock";

  WinSubset_SetTickBase(0xFFFFFFF0u);
  DWORD before = GetTickCount();
  EXPECT_TRUE(before >= 0xFFFFFFF0u || before < 1000) << "the tick count starts at the base";
  Sleep(40);
  EXPECT_LT(GetTickCount(), 1000u) << "and wraps past 2^32 as time passes";
}

class DebugOutputAndModuleTest : public FreshSubsetTest {};

TEST_F(DebugOutputAndModuleTest, DebugOutputIsCollectedUntilTaken) {
  OutputDebugStringA("Missed function \"ShowDialog\"\n");
  OutputDebugStringA(NULL);
  OutputDebugStringA("second");
  char *text = WinSubset_TakeDebugOutput();
  ASSERT_NE(nullptr, text);
  EXPECT_STREQ("Missed function \"ShowDialog\"\nsecond", text) << "both lines, in order";
  free(text);
  text = WinSubset_TakeDebugOutput();
  EXPECT_STREQ("", text) << "taking empties it";
  free(text);
}

TEST_F(DebugOutputAndModuleTest, TheExecutablePathCanBeSet) {
  WinSubset_SetExecutablePath("/opt/far/Far.exe");
  char path[MAX_PATH];
  EXPECT_EQ(16u, GetModuleFileNameA(NULL, path, sizeof path));
  EXPECT_STREQ("/opt/far/Far.exe", path);
  WinSubset_Reset();
  GetModuleFileNameA(NULL, path, sizeof path);
  EXPECT_STRNE("/opt/far/Far.exe", path) << "a reset goes back to the real program";
}

TEST_F(DebugOutputAndModuleTest, ABrokenLibraryIsNotAMissingOne) {
  char path[] = "/tmp/horalis-broken-XXXXXX";
  int file = mkstemp(path);
  ASSERT_GE(file, 0);
  ASSERT_EQ(4, write(file, "junk", 4));
  close(file);
  SetLastError(0);
  EXPECT_EQ(nullptr, LoadLibraryA(path)) << "a file that is no library does not load";
  EXPECT_EQ((DWORD)ERROR_BAD_EXE_FORMAT, GetLastError());
  unlink(path);
}

class RegistryThreadsTest : public FreshSubsetTest {};

TEST_F(RegistryThreadsTest, TwoThreadsUsingTheRegistryAtOnce) {
  auto work = [](const char *path) {
    for (int i = 0; i < 500; i++) {
      HKEY key;
      if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL))
        continue;
      DWORD number = (DWORD)i;
      RegSetValueExA(key, "Shared", 0, REG_DWORD, (BYTE *)&number, 4);
      DWORD size = 4;
      RegQueryValueExA(key, "Shared", NULL, NULL, (BYTE *)&number, &size);
      RegCloseKey(key);
      RegDeleteKeyA(HKEY_CURRENT_USER, path);
    }
  };
  std::thread first(work, "Software\\Horalis\\Indicator"), second(work, "software\\horalis\\Auto");
  first.join();
  second.join();
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS,
            RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Horalis", 0, KEY_READ, &key));
  char name[32];
  DWORD size = sizeof name;
  EXPECT_EQ(ERROR_NO_MORE_ITEMS, RegEnumKeyExA(key, 0, name, &size, NULL, NULL, NULL, NULL))
      << "every key made was deleted again";
  RegCloseKey(key);
}

class ZoneRulesTest : public FreshSubsetTest {
protected:
  void SetUp() override {
    const char *zone = getenv("TZ");
    hadZone_ = zone != nullptr;
    oldZone_ = zone ? zone : "";
    FreshSubsetTest::SetUp();
  }
  void TearDown() override {
    if (hadZone_)
      setenv("TZ", oldZone_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
    FreshSubsetTest::TearDown();
  }

private:
  bool hadZone_ = false;
  std::string oldZone_;
};

// The system's zone as Wine gives it for the same TZ on 7 December 2026:
// this year's changes, the wDay-th Sunday (5 the last) at the hour on the
// clock they leave.
TEST_F(ZoneRulesTest, TheZonesRulesAreThisYearsAsWineGivesThem) {
  const struct {
    const char *Zone;
    DWORD Kind;
    LONG Bias, DaylightBias;
    WORD Standard[3], Daylight[3]; // month, wDay, hour
  } cases[] = {
      {"CET-1CEST,M3.5.0,M10.5.0/3", TIME_ZONE_ID_STANDARD, -60, -60, {10, 5, 3}, {3, 5, 2}},
      {"EST5EDT,M3.2.0,M11.1.0", TIME_ZONE_ID_STANDARD, 300, -60, {11, 1, 2}, {3, 2, 2}},
      {"ACST-9:30ACDT,M10.1.0,M4.1.0/3", TIME_ZONE_ID_DAYLIGHT, -570, -60, {4, 1, 3}, {10, 1, 2}},
      {"NZST-12NZDT,M9.5.0,M4.1.0/3", TIME_ZONE_ID_DAYLIGHT, -720, -60, {4, 1, 3}, {9, 5, 2}},
      {"JST-9", TIME_ZONE_ID_UNKNOWN, -540, -60, {0, 0, 0}, {0, 0, 0}},
  };
  SYSTEMTIME december = {2026, 12, 0, 7, 12, 0, 0, 0};
  WinSubset_SetUtcTime(&december);
  for (const auto &c : cases) {
    setenv("TZ", c.Zone, 1);
    tzset();
    TIME_ZONE_INFORMATION zone;
    EXPECT_EQ(c.Kind, GetTimeZoneInformation(&zone)) << c.Zone;
    EXPECT_EQ(c.Bias, zone.Bias) << c.Zone;
    EXPECT_EQ(c.DaylightBias, zone.DaylightBias) << c.Zone;
    const SYSTEMTIME *dates[2] = {&zone.StandardDate, &zone.DaylightDate};
    const WORD *expected[2] = {c.Standard, c.Daylight};
    for (int i = 0; i < 2; i++) {
      EXPECT_EQ(expected[i][0], dates[i]->wMonth) << c.Zone << (i ? ": daylight" : ": standard");
      EXPECT_EQ(expected[i][1], dates[i]->wDay) << c.Zone << (i ? ": daylight" : ": standard");
      EXPECT_EQ(expected[i][2], dates[i]->wHour) << c.Zone << (i ? ": daylight" : ": standard");
      EXPECT_EQ(0, dates[i]->wDayOfWeek) << c.Zone << ": a Sunday";
    }
  }
}
