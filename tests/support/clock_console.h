// The console the clock indicator draws on, for its tests: the standard
// output made the console's screen buffer (under scripts/wine-run the
// standard output is a file), helpers to paint and read cells, and waiting
// for a display to start and end. Code page, title and standard output are
// put back afterwards.
#ifndef HORALIS_TESTS_CLOCK_CONSOLE_H
#define HORALIS_TESTS_CLOCK_CONSOLE_H

#include <functional>
#include <string>
#include <vector>

#include "support/plugin_fixture.h"

class ClockConsoleTest : public PluginTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // Clock settings in the "Indicator" key; the display lasts `pause` ms.
  void StoreClock(const char *format, DWORD pause);
  void StoreNumber(const char *name, DWORD value) { PutRegNumber(Key("Indicator"), name, value); }

  void Paint(int x, int y, const std::string &text, WORD attribute);
  std::string Characters(int x, int y, int count);
  std::vector<WORD> Attributes(int x, int y, int count);
  std::string Title();

  // Runs the main menu's clock entry and waits until a display is shown.
  bool StartDisplay();
  // Waits until no display is shown any more.
  bool WaitForEnd();
  // Runs the clock's entry and waits until its thread is gone, for displays
  // that may end as soon as they start.
  bool RunDisplayThrough();
  static bool WaitUntil(const std::function<bool()> &condition, int milliseconds = 5000);

  HANDLE output = NULL;
  SHORT width = 0, height = 0;

private:
  HANDLE previousStdOutput = NULL;
  HANDLE openedConsole = NULL;
  UINT previousCodePage = 0;
  char previousTitle[512] = "";
};

#endif
