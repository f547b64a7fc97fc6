#include "support/clock_console.h"

#include "indicator/clock_indicator.h"
#ifndef _WIN32
#include "winsubset_control.h"
#endif

void ClockConsoleTest::SetUp() {
  PluginTest::SetUp();
  previousStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO info;
#ifdef _WIN32
  if (!GetConsoleScreenBufferInfo(previousStdOutput, &info)) {
    openedConsole = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, openedConsole)
        << "a console is reachable (under Wine only with a terminal: see scripts/wine-run)";
    SetStdHandle(STD_OUTPUT_HANDLE, openedConsole);
  }
#endif
  output = GetStdHandle(STD_OUTPUT_HANDLE);
  ASSERT_TRUE(GetConsoleScreenBufferInfo(output, &info)) << "the standard output is a console";
  width = info.dwSize.X;
  height = info.dwSize.Y;
  previousCodePage = GetConsoleOutputCP();
  GetConsoleTitleA(previousTitle, sizeof previousTitle);
  ClockRunning.store(0);
  ClockStopRequest.store(0);
  ClockSwitchMode.store(0);
}

void ClockConsoleTest::TearDown() {
  EXPECT_TRUE(WaitForEnd()) << "no display outlives its test";
  EXPECT_TRUE(WaitUntil([] { return ClockThreads.load() == 0; })) << "nor a clock thread";
#ifndef _WIN32
  // Nor a thread that has not claimed a display, or gave it up.
  EXPECT_TRUE(WaitUntil([] { return WinSubset_LiveThreads() == 0; }, 20000));
#endif
  if (previousCodePage)
    SetConsoleOutputCP(previousCodePage);
  SetConsoleTitleA(previousTitle);
#ifdef _WIN32
  SetStdHandle(STD_OUTPUT_HANDLE, previousStdOutput);
  if (openedConsole && openedConsole != INVALID_HANDLE_VALUE)
    CloseHandle(openedConsole);
#endif
  PluginTest::TearDown();
}

void ClockConsoleTest::StoreClock(const char *format, DWORD pause) {
  StoreNumber("Custom", format != nullptr);
  if (format)
    PutRegString(Key("Indicator"), "Format", format);
  StoreNumber("Pause", pause);
}

static COORD At(int x, int y) {
  COORD position = {(SHORT)x, (SHORT)y};
  return position;
}

void ClockConsoleTest::Paint(int x, int y, const std::string &text, WORD attribute) {
  DWORD count = 0;
  WriteConsoleOutputCharacterA(output, text.c_str(), (DWORD)text.size(), At(x, y), &count);
  FillConsoleOutputAttribute(output, attribute, (DWORD)text.size(), At(x, y), &count);
}

std::string ClockConsoleTest::Characters(int x, int y, int count) {
  std::string text(count, '\0');
  DWORD read = 0;
  ReadConsoleOutputCharacterA(output, &text[0], (DWORD)count, At(x, y), &read);
  text.resize(read);
  return text;
}

std::vector<WORD> ClockConsoleTest::Attributes(int x, int y, int count) {
  std::vector<WORD> attributes(count);
  DWORD read = 0;
  ReadConsoleOutputAttribute(output, attributes.data(), (DWORD)count, At(x, y), &read);
  attributes.resize(read);
  return attributes;
}

std::string ClockConsoleTest::Title() {
  char title[512] = "";
  GetConsoleTitleA(title, sizeof title);
  return title;
}

bool ClockConsoleTest::WaitUntil(const std::function<bool()> &condition, int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited++) {
    if (condition())
      return true;
    Sleep(1);
  }
  return condition();
}

bool ClockConsoleTest::StartDisplay() {
  InvokeClockIndicator();
  return WaitUntil([] { return ClockRunning.load() == 1; });
}

bool ClockConsoleTest::RunDisplayThrough() {
  InvokeClockIndicator();
  return WaitUntil([] { return ClockThreads.load() == 0 && ClockRunning.load() == 0; }, 20000);
}

bool ClockConsoleTest::WaitForEnd() {
  return WaitUntil([] { return ClockRunning.load() == 0; }, 20000);
}
