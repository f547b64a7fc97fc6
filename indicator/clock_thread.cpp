// The clock thread: one display from its settings to the screen written
// back.
#include <string.h>

#include "datetext/date_text.h"
#include "hostlink/host_table.h"
#include "indicator/clock_indicator.h"
#include "indicator/clock_numbers.h"
#include "indicator/decimal_text.h"
#include "settings/settings_store.h"

std::atomic<LONG> ClockRunning(0);
std::atomic<LONG> ClockStopRequest(0);
std::atomic<LONG> ClockSwitchMode(0);
char IndicatorFormat[FORMAT_SIZE];

struct ClockSettings {
  DWORD Pause;
  LONG Xcoord, Ycoord;
  DWORD Title, Custom;
  WORD Color;
  DWORD CtrlOff;
};

// One whole sequence under the settings lock, so the host's thread never
// finds its key replaced halfway. The format is read when Custom is on.
static void ReadClockSettings(struct ClockSettings *settings, const char **format) {
  memset(settings, 0, sizeof *settings);
  *format = NULL;
  LockSettings();
  if (OpenSettingsKey("Indicator")) {
    settings->Pause = StoredClockPause(ReadNumber("Pause"));
    settings->Xcoord = StoredClockPlace(ReadNumber("Xcoord"));
    settings->Ycoord = StoredClockPlace(ReadNumber("Ycoord"));
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
  DWORD fromMessage = StoredClockPause(ReadDecimalText(GetMsgText(MSG_CLOCK_PAUSE)));
  return fromMessage ? fromMessage : (DWORD)CLOCK_DEFAULT_PAUSE;
}

int RunClockPass(struct ClockDisplay *display) {
  if (!CheckClockCells(display->Console, display->SavedCells, display->WideText, display->Color,
                       display->Position))
    return 0;
  DrawClockText(display->Console, display->Position.X, display->Position.Y, display->Color,
                display->WideText);
  return 1;
}

static int DisplayEnds(DWORD start, DWORD time, LONG startMask) {
  if (GetTickCount() - start > time)
    return 1;
  if (ClockStopRequest.load() != 0 || ClockUnloading.load() != 0)
    return 1;
  return startMask != 0 && ReadModifierMask() != startMask;
}

// The passes, with no wait between them. Time is measured as ticks since
// the start, so a display that spans the 32-bit wrap of the tick count
// still lasts its time.
static void ShowUntilEnd(struct ClockDisplay *display, DWORD start, DWORD time, LONG startMask) {
  do
    RunClockPass(display);
  while (!DisplayEnds(start, time, startMask));
}

// The expansion, read in the OEM code page like every text the host hands
// over: the language file's default format and the format typed in the
// dialog alike. A text that cannot be converted shows as empty.
static DWORD ExpandClockText(struct ClockDisplay *display, const char *format, WCHAR *text) {
  ExpandDateText(display->Text, sizeof display->Text, format, NULL);
  if (!MultiByteToWideChar(CP_OEMCP, 0, display->Text, -1, text, CLOCK_TEXT_SIZE))
    text[0] = 0;
  text[CLOCK_TEXT_SIZE - 1] = 0;
  DWORD length = 0;
  while (text[length])
    length++;
  return length;
}

// Puts the part of text that lies on the buffer into the display and saves
// the cells under it: the text ends Xcoord columns left of the right edge,
// in row Ycoord; what falls off the left or right edge is cut. The text
// covers only cells whose content was saved: none a read did not report.
// 0 when a text that is not empty has no cell on the buffer.
static int PlaceClockText(struct ClockDisplay *display, const struct ClockSettings *settings,
                          COORD size, const WCHAR *text, DWORD length) {
  if (settings->Ycoord < 0 || settings->Ycoord >= size.Y)
    return 0;
  LONG column = (LONG)size.X - (LONG)length - settings->Xcoord;
  LONG cut = column < 0 ? -column : 0;
  if (length == 0 || column + cut >= size.X)
    return length == 0; // an empty text draws nothing, yet takes the title
  DWORD shown = (LONG)length > cut ? length - (DWORD)cut : 0;
  if (shown > (DWORD)(size.X - (column + cut)))
    shown = (DWORD)(size.X - (column + cut));
  display->Position.X = (SHORT)(column + cut);
  display->Position.Y = (SHORT)settings->Ycoord;
  display->Length = ReadClockCells(display->Console, display->SavedCells, shown, display->Position);
  memcpy(display->WideText, text + cut, display->Length * sizeof(WCHAR));
  display->WideText[display->Length] = 0;
  return display->Length > 0;
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
  WCHAR text[CLOCK_TEXT_SIZE];
  DWORD length = ExpandClockText(&display, format, text);
  // A text wholly off the buffer would run its time unseen: none at all.
  if (!PlaceClockText(&display, settings, buffer.dwSize, text, length))
    return;
  // The whole title, whatever its length, to be put back as it was.
  WCHAR savedTitle[CLOCK_TITLE_SIZE];
  if (settings->Title) {
    savedTitle[0] = 0;
    GetConsoleTitleW(savedTitle, CLOCK_TITLE_SIZE);
    savedTitle[CLOCK_TITLE_SIZE - 1] = 0;
    SetConsoleTitleW(text);
  }
  display.Color = settings->Color ? settings->Color : display.SavedCells[0].Attributes;

  ShowUntilEnd(&display, start, time, startMask);

  RestoreClockCells(display.Console, display.SavedCells, display.WideText, display.Color,
                    display.Position);
  if (settings->Title)
    SetConsoleTitleW(savedTitle);
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
