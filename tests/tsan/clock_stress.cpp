// Thousands of clock displays started from one thread, as the host starts
// them, interleaved with saves of the clock's settings dialog, Ctrl pressed
// and released, the output code page changed, cells repainted under a
// shown clock and unloads, under ThreadSanitizer. Fails when two threads
// draw at once, when a display leaves the screen, the title or the code
// page other than it found them or loses a repaint, when an unload leaves a
// thread running, when a save is not stored, or (by TSan's exit code) on a
// data race.
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
std::atomic<UINT> OriginalCodePage(866);
const COORD SCREEN = {80, 25};

} // namespace

extern "C" {
HANDLE WINAPI __real_CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID,
                                  DWORD, LPDWORD);
void WINAPI __real_FreeLibraryAndExitThread(HMODULE, DWORD);
BOOL WINAPI __real_SetConsoleOutputCP(UINT);
BOOL WINAPI __real_GetConsoleScreenBufferInfo(HANDLE, PCONSOLE_SCREEN_BUFFER_INFO);
BOOL WINAPI __real_ReadConsoleOutputW(HANDLE, CHAR_INFO *, COORD, COORD, SMALL_RECT *);
BOOL WINAPI __real_WriteConsoleOutputW(HANDLE, const CHAR_INFO *, COORD, COORD, SMALL_RECT *);
DWORD WINAPI __real_GetConsoleTitleW(LPWSTR, DWORD);
BOOL WINAPI __real_SetConsoleTitleW(LPCWSTR);
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
  if (GetConsoleOutputCP() != OriginalCodePage.load())
    Fail(when, (long)GetConsoleOutputCP());
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
  LPTHREAD_START_ROUTINE procedure;
  void *argument;
};

DWORD WINAPI RunClockThread(void *opaque) {
  ClockStart start = *(ClockStart *)opaque;
  delete (ClockStart *)opaque;
  OnClockThread = true;
  return start.procedure(start.argument);
}

} // namespace

extern "C" {
HANDLE WINAPI __wrap_CreateThread(LPSECURITY_ATTRIBUTES attributes, SIZE_T stackSize,
                                  LPTHREAD_START_ROUTINE procedure, LPVOID argument, DWORD flags,
                                  LPDWORD id) {
  ThreadsStarted++;
  ClockStart *start = new ClockStart{procedure, argument};
  HANDLE thread = __real_CreateThread(attributes, stackSize, RunClockThread, start, flags, id);
  if (!thread)
    delete start;
  return thread;
}

// A clock thread's last call: what it drew is noted before it ends.
void WINAPI __wrap_FreeLibraryAndExitThread(HMODULE module, DWORD code) {
  if (ThisThread.first) {
    std::lock_guard<std::mutex> hold(UsesLock);
    Uses.push_back(ThisThread);
  }
  __real_FreeLibraryAndExitThread(module, code);
}

// The clock draws in Unicode and leaves the host's code page alone.
BOOL WINAPI __wrap_SetConsoleOutputCP(UINT codePage) {
  if (OnClockThread)
    Fail("a clock thread set the output code page", (long)codePage);
  return __real_SetConsoleOutputCP(codePage);
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
}

namespace {

// What a person sets in the settings dialog for one save.
struct SettingsPlan {
  int custom, title, switchMode, ctrlOff, stay, colour;
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
    d.items[INDICATOR_ITEM_STAY].status = Plan.stay;
    snprintf(d.items[INDICATOR_ITEM_FORMAT].text, FORMAT_SIZE, "%s", Plan.format);
    snprintf(d.items[INDICATOR_ITEM_PAUSE].text, FORMAT_SIZE, "%lu", (unsigned long)Plan.pause);
    snprintf(d.items[INDICATOR_ITEM_XCOORD].text, FORMAT_SIZE, "%ld", (long)Plan.x);
    snprintf(d.items[INDICATOR_ITEM_YCOORD].text, FORMAT_SIZE, "%ld", (long)Plan.y);
    return 1;
  });
}

// Formats, places and colours of every kind: an empty text (from a format
// past the years, as an empty format is not saved), one cut to 79
// characters, places partly or wholly off the screen, colour 0 (the one
// under the text) and set ones; -1 keeps the colour.
const char *const FORMATS[] = {"%H:%M:%S", "[%d.%m.%Y %H:%M:%S]", "%{+3000000d}%H", "%c %c %c %c"};
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
  Plan.stay = Next() % 8 == 0;
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
    // A clock kept until switched off goes when the entry is chosen again.
    if (ClockStaying.load() && ClockRunning.load())
      InvokeClockIndicator();
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

void StoreClockNumber(const char *name, DWORD value) { WriteValue(name, &value, REG_DWORD); }

// Waits for what the clock shows at a cell of the top row; 1 when it does.
int WaitForClockCell(SHORT column, WORD attribute) {
  for (int waited = 0; waited < QUIET_TIMEOUT_MS; waited++) {
    CHAR_INFO cell;
    SMALL_RECT region = {column, 0, column, 0};
    COORD one = {1, 1}, origin = {0, 0};
    __real_ReadConsoleOutputW(GetStdHandle(STD_OUTPUT_HANDLE), &cell, one, origin, &region);
    if (cell.Attributes == attribute)
      return 1;
    Sleep(1);
  }
  return 0;
}

// A clock shown in the top right corner until switched off; the host paints
// a cell under it and switches it off at once. The cell keeps the host's
// paint, whether a pass saved it or the write-back found it.
int RepaintUnderAShownClock(void) {
  const WORD colour = 0x1E;
  LockSettings();
  if (OpenSettingsKey("Indicator")) {
    WriteValue("Format", "%H:%M:%S", REG_SZ);
    StoreClockNumber("Custom", 1);
    StoreClockNumber("Pause", 20000);
    StoreClockNumber("Xcoord", 0);
    StoreClockNumber("Ycoord", 0);
    StoreClockNumber("SwitchMode", 1);
    StoreClockNumber("CtrlOff", 0);
    StoreClockNumber("Color", colour);
  }
  UnlockSettings();
  InvokeClockIndicator();
  if (!WaitForClockCell((SHORT)(SCREEN.X - 1), colour))
    Fail("the clock did not show in the corner", 0);
  int cell = SCREEN.X - 1 - (int)(Next() % 8);
  CHAR_INFO paint;
  paint.Char.UnicodeChar = 0x2592;
  paint.Attributes = (WORD)(0x20 + Next() % 8);
  SMALL_RECT region = {(SHORT)cell, 0, (SHORT)cell, 0};
  COORD one = {1, 1}, origin = {0, 0};
  __real_WriteConsoleOutputW(GetStdHandle(STD_OUTPUT_HANDLE), &paint, one, origin, &region);
  OriginalCells[cell] = paint;
  if (Next() % 2)
    Sleep(1);
  ClockStopRequest.store(1); // switched off, as the menu entry does
  int displays = SettleRound();
  SaveSettings(); // short displays again
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

  int invocations = 0, saves = 0, displays = 0, rounds = 0, unloads = 0, repaints = 0;
  while (invocations < INVOCATIONS && Failures.load() == 0) {
    // A burst: invocations back to back (threads racing for the claim),
    // into a display, and beside saves and key changes.
    for (int steps = 1 + Next() % 6; steps > 0; steps--) {
      unsigned kind = Next() % 13;
      if (kind < 6) {
        InvokeClockIndicator();
        invocations++;
      } else if (kind < 8) {
        SaveSettings();
        saves++;
      } else if (kind < 9) {
        WinSubset_SetKeyDown(VK_CONTROL, Next() % 2);
      } else if (kind < 10) {
        Sleep(Next() % 3);
      } else if (kind < 11) {
        displays += SettleRound(); // a display starting now would see half the change
        OriginalCodePage.store(OriginalCodePage.load() == 866 ? 1251 : 866);
        __real_SetConsoleOutputCP(OriginalCodePage.load());
      } else if (kind < 12) {
        if (!EndClockForUnload() || ClockThreads.load() != 0)
          Fail("an unload left a clock thread running", ClockThreads.load());
        unloads++;
      } else {
        displays += SettleRound();
        displays += RepaintUnderAShownClock();
        repaints++;
      }
    }
    displays += SettleRound();
    rounds++;
  }
  if (displays < invocations / 10)
    Fail("fewer displays than expected: are the console calls still seen?", displays);
  // A thread that drew nothing found the display already claimed.
  printf("clock stress: %d invocations, %d threads started, %d of them drew a display, "
         "%d saves, %d unloads, %d repaints under a shown clock, in %d rounds\n",
         invocations, ThreadsStarted.load(), displays, saves, unloads, repaints, rounds);
  return Failures.load() == 0 ? 0 : 1;
}
