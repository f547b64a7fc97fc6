// The clock thread: one display from its settings to the screen written
// back, and the menu entry that starts or stops it.
#include <process.h>
#include <string.h>

#include "datetext/date_text.h"
#include "hostlink/host_table.h"
#include "indicator/clock_indicator.h"
#include "indicator/decimal_text.h"
#include "settings/settings_store.h"

std::atomic<LONG> ClockRunning(0);
std::atomic<LONG> ClockStopRequest(0);
std::atomic<LONG> ClockSwitchMode(0);
char IndicatorFormat[FORMAT_SIZE];

struct ClockSettings {
  DWORD Pause;
  SHORT Xcoord, Ycoord;
  DWORD Title, Custom;
  WORD Color;
  DWORD CtrlOff;
};

void InvokeClockIndicator(void) {
  if (ClockRunning.load() == 1 && ClockSwitchMode.load() == 1)
    ClockStopRequest.store(1);
  // A thread that cannot start goes unnoticed: there is nothing to show.
  if (ClockRunning.load() == 0)
    _beginthread(RunClockIndicator, CLOCK_STACK_SIZE, NULL);
}

// One whole sequence under the settings lock, so the host's thread never
// finds its key replaced halfway. The format is read when Custom is on.
static void ReadClockSettings(struct ClockSettings *settings, const char **format) {
  memset(settings, 0, sizeof *settings);
  *format = NULL;
  LockSettings();
  if (OpenSettingsKey("Indicator")) {
    settings->Pause = ReadNumber("Pause");
    settings->Xcoord = (SHORT)ReadNumber("Xcoord");
    settings->Ycoord = (SHORT)ReadNumber("Ycoord");
    settings->Title = ReadNumber("Title");
    settings->Custom = ReadNumber("Custom");
    settings->Color = (WORD)ReadNumber("Color");
    settings->CtrlOff = ReadNumber("CtrlOff");
    if (settings->Custom) {
      ReadText("Format", IndicatorFormat, sizeof IndicatorFormat);
      *format = IndicatorFormat;
    }
  }
  UnlockSettings();
  if (!*format)
    *format = GetMsgText(MSG_CLOCK_FORMAT);
}

static DWORD DisplayTime(DWORD pause) {
  if (pause)
    return pause;
  DWORD fromMessage = ReadDecimalText(GetMsgText(MSG_CLOCK_PAUSE));
  return fromMessage ? fromMessage : (DWORD)CLOCK_DEFAULT_PAUSE;
}

int RunClockPass(struct ClockDisplay *display) {
  SetConsoleOutputCP(CLOCK_CODE_PAGE);
  if (!CheckClockCells(display->Console, display->SavedCells, display->WideText, display->Color,
                       display->Position))
    return 0;
  DrawClockText(display->Console, display->Position.X, display->Position.Y, display->Color,
                display->WideText);
  return 1;
}

// The passes, with no wait between them. Time is measured as ticks since
// the start, so a display that spans the 32-bit wrap of the tick count
// still lasts its time.
static void ShowUntilEnd(struct ClockDisplay *display, DWORD start, DWORD time, LONG startMask) {
  for (;;) {
    RunClockPass(display);
    if (GetTickCount() - start > time)
      break;
    if (ClockStopRequest.load() != 0)
      break;
    if (startMask != 0 && ReadModifierMask() != startMask)
      break;
  }
}

// How many of length cells from position lie in the buffer's row.
static DWORD CellsInRow(const COORD *position, COORD size, DWORD length) {
  if (position->X < 0 || position->X >= size.X || position->Y < 0 || position->Y >= size.Y)
    return 0;
  DWORD room = (DWORD)(size.X - position->X);
  return length < room ? length : room;
}

static void ShowClock(const struct ClockSettings *settings, const char *format) {
  struct ClockDisplay display;
  memset(&display, 0, sizeof display);
  LONG startMask = settings->CtrlOff ? ReadModifierMask() : 0;
  DWORD time = DisplayTime(settings->Pause);
  display.Console = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD start = GetTickCount();
  // Without a console there is no width to place the text by: no display.
  CONSOLE_SCREEN_BUFFER_INFO buffer;
  if (!GetConsoleScreenBufferInfo(display.Console, &buffer))
    return;
  // Drawn as CLOCK_CODE_PAGE text: the names' code page too.
  ExpandDateTextIn(display.Text, sizeof display.Text, format, NULL, CLOCK_CODE_PAGE);
  // A text that cannot be converted shows as empty.
  if (!MultiByteToWideChar(CLOCK_CODE_PAGE, 0, display.Text, -1, display.WideText, CLOCK_TEXT_SIZE))
    display.WideText[0] = 0;
  display.WideText[CLOCK_TEXT_SIZE - 1] = 0;
  while (display.WideText[display.Length])
    display.Length++;
  if (settings->Title) {
    GetConsoleTitleW(display.SavedTitle, CLOCK_TEXT_SIZE);
    display.SavedTitle[CLOCK_TEXT_SIZE - 1] = 0;
    SetConsoleTitleW(display.WideText);
  }
  display.Position.X = (SHORT)(buffer.dwSize.X - (SHORT)display.Length - settings->Xcoord);
  display.Position.Y = settings->Ycoord;
  // The text covers only cells whose content was saved: none off the
  // buffer, none past the end of its row, none a read did not report. So
  // nothing is drawn that cannot be put back, nor anything unsaved written.
  DWORD cells = ReadClockCells(display.Console, display.SavedCells,
                               CellsInRow(&display.Position, buffer.dwSize, display.Length),
                               display.Position);
  if (cells < display.Length) {
    display.Length = cells;
    display.WideText[cells] = 0;
  }
  display.Color = settings->Color ? settings->Color : display.SavedCells[0].Attributes;

  ShowUntilEnd(&display, start, time, startMask);

  WriteClockCells(display.Console, display.SavedCells, display.Length, display.Position);
  if (settings->Title)
    SetConsoleTitleW(display.SavedTitle);
}

void __cdecl RunClockIndicator(void *) {
  LockSettings();
  if (OpenSettingsKey("Indicator"))
    ClockSwitchMode.store((LONG)ReadNumber("SwitchMode"));
  UnlockSettings();
  // The check and the claim are one step: two threads never both draw.
  if (ClockRunning.exchange(1) == 1) {
    ClockStopRequest.store(ClockSwitchMode.load());
    return;
  }
  struct ClockSettings settings;
  const char *format;
  ReadClockSettings(&settings, &format);
  ShowClock(&settings, format);
  ClockRunning.store(0);
  ClockStopRequest.store(0);
}
