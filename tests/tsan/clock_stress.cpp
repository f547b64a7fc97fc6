// Thousands of clock displays started from one thread, as the host starts
// them, interleaved with saves of the clock's settings dialog and with Ctrl
// pressed and released, under ThreadSanitizer. Fails when two threads draw
// at once, when a display leaves the screen or the title other than it found
// them, when a save is not stored, or (by TSan's exit code) on a data race.
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

#include <process.h>
#include <windows.h>

#include "hostlink/host_table.h"
#include "indicator/clock_indicator.h"
#include "indicator/indicator_settings.h"
#include "settings/settings_store.h"
#include "support/fake_dialogs.h"
#include "support/fake_host.h"
#include "winsubset_control.h"

namespace {

const int INVOCATIONS = 4000;
const int QUIET_TIMEOUT_MS = 10000;

std::atomic<int> Failures(0);

void Fail(const char *what, long detail) {
  if (Failures++ < 10)
    fprintf(stderr, "clock stress: %s (%ld)\n", what, detail);
}

// A fixed sequence, so that a failing run can be run again as it was.
unsigned Next(void) {
  static unsigned state = 2463534242u;
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

// The screen and title every display must leave behind.
CHAR_INFO OriginalCells[80 * 25];
WCHAR OriginalTitle[80];
const COORD SCREEN = {80, 25};

} // namespace

extern "C" {
uintptr_t __real__beginthread(void(__cdecl *)(void *), unsigned, void *);
BOOL WINAPI __real_GetConsoleScreenBufferInfo(HANDLE, PCONSOLE_SCREEN_BUFFER_INFO);
BOOL WINAPI __real_ReadConsoleOutputW(HANDLE, CHAR_INFO *, COORD, COORD, SMALL_RECT *);
BOOL WINAPI __real_WriteConsoleOutputW(HANDLE, const CHAR_INFO *, COORD, COORD, SMALL_RECT *);
DWORD WINAPI __real_GetConsoleTitleW(LPWSTR, DWORD);
BOOL WINAPI __real_SetConsoleTitleW(LPCWSTR);
BOOL WINAPI __real_SetConsoleOutputCP(UINT);
}

namespace {

void ReadScreen(CHAR_INFO *cells, WCHAR *title) {
  SMALL_RECT all = {0, 0, (SHORT)(SCREEN.X - 1), (SHORT)(SCREEN.Y - 1)};
  COORD origin = {0, 0};
  __real_ReadConsoleOutputW(GetStdHandle(STD_OUTPUT_HANDLE), cells, SCREEN, origin, &all);
  memset(title, 0, sizeof OriginalTitle);
  __real_GetConsoleTitleW(title, 80);
}

void CheckScreenAsFound(const char *when) {
  CHAR_INFO cells[80 * 25];
  WCHAR title[80];
  ReadScreen(cells, title);
  for (int i = 0; i < SCREEN.X * SCREEN.Y; i++)
    if (cells[i].Char.UnicodeChar != OriginalCells[i].Char.UnicodeChar ||
        cells[i].Attributes != OriginalCells[i].Attributes) {
      Fail(when, i);
      return;
    }
  if (memcmp(title, OriginalTitle, sizeof title) != 0)
    Fail(when, -1);
}

// A clock thread's console calls are numbered in one sequence across all
// threads: two displays overlap when their ranges of numbers do.
struct ConsoleUse {
  long first, last;
};

std::atomic<long> CallNumber(0);
std::atomic<int> ThreadsStarted(0);
thread_local bool OnClockThread = false;
thread_local ConsoleUse ThisThread = {0, 0};
std::mutex UsesLock;
std::vector<ConsoleUse> Uses;

void NoteConsoleCall(void) {
  if (!OnClockThread)
    return;
  // The first call of a display: the one before it has put everything back.
  if (!ThisThread.first)
    CheckScreenAsFound("a display found the screen or title not as the last one left it");
  long number = ++CallNumber;
  if (!ThisThread.first)
    ThisThread.first = number;
  ThisThread.last = number;
}

struct ClockStart {
  void(__cdecl *procedure)(void *);
  void *argument;
};

void __cdecl RunClockThread(void *opaque) {
  ClockStart start = *(ClockStart *)opaque;
  delete (ClockStart *)opaque;
  OnClockThread = true;
  start.procedure(start.argument);
  if (ThisThread.first) {
    std::lock_guard<std::mutex> hold(UsesLock);
    Uses.push_back(ThisThread);
  }
}

} // namespace

extern "C" {
uintptr_t __wrap__beginthread(void(__cdecl *procedure)(void *), unsigned stackSize,
                              void *argument) {
  ThreadsStarted++;
  ClockStart *start = new ClockStart{procedure, argument};
  uintptr_t thread = __real__beginthread(RunClockThread, stackSize, start);
  if (thread == (uintptr_t)-1)
    delete start;
  return thread;
}

// Each console call is noted, then made.
#define NOTED(result, name, parameters, arguments)                                                 \
  result WINAPI __wrap_##name parameters {                                                         \
    NoteConsoleCall();                                                                             \
    return __real_##name arguments;                                                                \
  }
NOTED(BOOL, GetConsoleScreenBufferInfo, (HANDLE console, PCONSOLE_SCREEN_BUFFER_INFO info),
      (console, info))
NOTED(BOOL, ReadConsoleOutputW,
      (HANDLE console, CHAR_INFO *cells, COORD size, COORD from, SMALL_RECT *region),
      (console, cells, size, from, region))
NOTED(BOOL, WriteConsoleOutputW,
      (HANDLE console, const CHAR_INFO *cells, COORD size, COORD from, SMALL_RECT *region),
      (console, cells, size, from, region))
NOTED(DWORD, GetConsoleTitleW, (LPWSTR title, DWORD size), (title, size))
NOTED(BOOL, SetConsoleTitleW, (LPCWSTR title), (title))
NOTED(BOOL, SetConsoleOutputCP, (UINT codePage), (codePage))
}

namespace {

// What a person sets in the settings dialog for one save.
struct SettingsPlan {
  int custom, title, switchMode, ctrlOff, colour;
  const char *format;
  DWORD pause;
  LONG x, y;
};

SettingsPlan Plan;

// The person for one save, in the tests' fake dialogs: asks for the picker
// once when the plan changes the colour, accepts it there, and confirms the
// dialog filled in as planned.
void QueuePerson(void) {
  if (Plan.colour >= 0) {
    FakeDialogs().people.push_back([](FakeDialog &d) {
      d.items[INDICATOR_ITEM_COLOUR_REQUEST].status = 1;
      return INDICATOR_ITEM_COLOUR_REQUEST;
    });
    FakeDialogs().people.push_back([](FakeDialog &d) {
      SelectRadio(d, Plan.colour & 0x0F);
      SelectRadio(d, COLOUR_ITEM_BACKGROUND + (Plan.colour >> 4));
      return COLOUR_EXIT_ACCEPT;
    });
  }
  FakeDialogs().people.push_back([](FakeDialog &d) {
    SelectRadio(d, Plan.custom ? INDICATOR_ITEM_CUSTOM : INDICATOR_ITEM_DEFAULT);
    d.items[INDICATOR_ITEM_TITLE].status = Plan.title;
    d.items[INDICATOR_ITEM_SWITCH_MODE].status = Plan.switchMode;
    d.items[INDICATOR_ITEM_CTRL_OFF].status = Plan.ctrlOff;
    snprintf(d.items[INDICATOR_ITEM_FORMAT].text, FORMAT_SIZE, "%s", Plan.format);
    snprintf(d.items[INDICATOR_ITEM_PAUSE].text, FORMAT_SIZE, "%lu", (unsigned long)Plan.pause);
    snprintf(d.items[INDICATOR_ITEM_XCOORD].text, FORMAT_SIZE, "%ld", (long)Plan.x);
    snprintf(d.items[INDICATOR_ITEM_YCOORD].text, FORMAT_SIZE, "%ld", (long)Plan.y);
    return 1;
  });
}

// Formats, places and colours of every kind: an empty text, one cut to 79
// characters, places partly or wholly off the screen, colour 0 (the one
// under the text) and set ones; -1 keeps the colour.
const char *const FORMATS[] = {"%H:%M:%S", "[%d.%m.%Y %H:%M:%S]", "", "%c %c %c %c"};
const LONG COLUMNS[] = {0, 0, 5, 70, -3, 200, -100};
const LONG ROWS[] = {0, 0, 3, 24, -1, 25};
const int COLOURS[] = {-1, -1, 0, 0x1E, 0x4F, 0x70};

template <typename T, size_t N> T Pick(const T (&choices)[N]) { return choices[Next() % N]; }

// One save through the settings dialog, on this (the host's) thread; each
// save stores another display time, so none is skipped as unchanged.
void SaveSettings(void) {
  Plan.custom = Next() % 2;
  Plan.title = Next() % 2;
  Plan.switchMode = Next() % 2;
  Plan.ctrlOff = Next() % 2;
  Plan.colour = Pick(COLOURS);
  Plan.format = Pick(FORMATS);
  Plan.pause = 1 + (Plan.pause + Next() % 4) % 5;
  Plan.x = Pick(COLUMNS);
  Plan.y = Pick(ROWS);
  QueuePerson();
  EditIndicatorSettings();
  if (!FakeDialogs().people.empty())
    Fail("the dialog was not shown as planned", (long)FakeDialogs().people.size());
  FakeDialogs().people.clear();
  FakeDialogs().loaded.clear(); // all freed; thousands of saves add up
  LockSettings();
  DWORD stored = OpenSettingsKey("Indicator") ? ReadNumber("Pause") : 0;
  UnlockSettings();
  if (stored != Plan.pause)
    Fail("a save did not store its display time", (long)stored);
  if (ClockSwitchMode.load() != Plan.switchMode)
    Fail("a save did not set the switch mode", ClockSwitchMode.load());
}

void PaintScreen(void) {
  for (int i = 0; i < SCREEN.X * SCREEN.Y; i++) {
    // Letters, box lines and Cyrillic, in every attribute.
    static const WCHAR characters[] = {'a', 'Z', '7', 0x2550, 0x2551, 0x0416, 0x044F, ' '};
    OriginalCells[i].Char.UnicodeChar = characters[i % 8];
    OriginalCells[i].Attributes = (WORD)(i * 7 % 256);
  }
  SMALL_RECT all = {0, 0, (SHORT)(SCREEN.X - 1), (SHORT)(SCREEN.Y - 1)};
  COORD origin = {0, 0};
  WriteConsoleOutputW(GetStdHandle(STD_OUTPUT_HANDLE), OriginalCells, SCREEN, origin, &all);
  SetConsoleTitleA("Horalis stress host");
  ReadScreen(OriginalCells, OriginalTitle);
}

// Waits until every clock thread has ended, then checks what they left.
// Returns the number of displays the threads drew.
int SettleRound(void) {
  for (int waited = 0; WinSubset_LiveThreads() != 0; waited++) {
    if (waited == QUIET_TIMEOUT_MS) {
      Fail("clock threads still running", WinSubset_LiveThreads());
      return 0;
    }
    Sleep(1);
  }
  if (ClockRunning.load() != 0)
    Fail("the display is still claimed with no thread left", ClockRunning.load());
  CheckScreenAsFound("the screen or title not put back after the last display");
  std::lock_guard<std::mutex> hold(UsesLock);
  std::sort(Uses.begin(), Uses.end(),
            [](const ConsoleUse &a, const ConsoleUse &b) { return a.first < b.first; });
  for (size_t i = 1; i < Uses.size(); i++)
    if (Uses[i].first < Uses[i - 1].last)
      Fail("two threads drew at once", Uses[i].first);
  int displays = (int)Uses.size();
  Uses.clear();
  return displays;
}

} // namespace

int main() {
  WinSubset_Reset();
  // Past the 32-bit wrap of the tick count a few seconds in.
  WinSubset_SetTickBase(0xFFFFFFFFu - 3000);
  PluginStartupInfo info = NewFakeHost("Software\\Far\\Plugins");
  // Set before any clock thread asks: two-millisecond displays.
  Host().messages[MSG_CLOCK_FORMAT] = "%H:%M:%S";
  Host().messages[MSG_CLOCK_PAUSE] = "2";
  TakeHostTable(&info);
  InstallFakeDialogs();
  PaintScreen();
  Plan.pause = 1;

  int invocations = 0, saves = 0, displays = 0, rounds = 0;
  while (invocations < INVOCATIONS && Failures.load() == 0) {
    // A burst: invocations back to back (threads racing for the claim),
    // into a display, and beside saves and key changes.
    for (int steps = 1 + Next() % 6; steps > 0; steps--) {
      unsigned kind = Next() % 10;
      if (kind < 6) {
        InvokeClockIndicator();
        invocations++;
      } else if (kind < 8) {
        SaveSettings();
        saves++;
      } else if (kind < 9) {
        WinSubset_SetKeyDown(VK_CONTROL, Next() % 2);
      } else {
        Sleep(Next() % 3);
      }
    }
    displays += SettleRound();
    rounds++;
  }
  if (displays < invocations / 10)
    Fail("fewer displays than expected: are the console calls still seen?", displays);
  // A thread that drew nothing found the display already claimed.
  printf("clock stress: %d invocations, %d threads started, %d of them drew a display, "
         "%d saves, in %d rounds\n",
         invocations, ThreadsStarted.load(), displays, saves, rounds);
  return Failures.load() == 0 ? 0 : 1;
}
