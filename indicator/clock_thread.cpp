// The clock thread: one display from its settings to the screen written
// back.
#include <string.h>

#include "datetext/date_text.h"
#include "hostlink/host_table.h"
#include "indicator/clock_display.h"
#include "indicator/clock_numbers.h"
#include "indicator/decimal_text.h"
#include "settings/settings_store.h"

std::atomic<LONG> ClockRunning(0);
std::atomic<LONG> ClockStopRequest(0);
std::atomic<LONG> ClockSwitchMode(0);
std::atomic<LONG> ClockStaying(0);
std::atomic<LONG> ClockUnloading(0);
char ClockHostFormat[FORMAT_SIZE];
static DWORD ClockHostPause;

LONG EntrySwitchesClockOff(void) {
  return ClockSwitchMode.load() == 1 || ClockStaying.load() == 1 ? 1 : 0;
}

// A text longer than the buffer is left out whole, as a stored format
// that does not fit is.
void TakeClockHostTexts(void) {
  const char *format = GetMsgText(MSG_CLOCK_FORMAT);
  DWORD pause = StoredClockPause(ReadDecimalText(GetMsgText(MSG_CLOCK_PAUSE)));
  size_t length = format ? strlen(format) : 0;
  LockSettings();
  if (length >= sizeof ClockHostFormat)
    length = 0;
  memcpy(ClockHostFormat, format ? format : "", length);
  ClockHostFormat[length] = 0;
  ClockHostPause = pause;
  UnlockSettings();
}

struct ClockSettings {
  DWORD Pause;
  LONG Xcoord, Ycoord;
  DWORD Title, Custom;
  WORD Color;
  DWORD CtrlOff;
  DWORD Stay;               /* kept until the entry is chosen again */
  char Format[FORMAT_SIZE]; /* the custom one, or the host's copied */
};

// One whole sequence under the settings lock, so the host's thread never
// finds its key replaced halfway. The format is read when Custom is on;
// otherwise, and for the time, the host's texts as copied for this display.
static void ReadClockSettings(struct ClockSettings *settings) {
  memset(settings, 0, sizeof *settings);
  LockSettings();
  if (OpenSettingsKey("Indicator")) {
    settings->Pause = StoredClockPause(ReadNumber("Pause"));
    settings->Xcoord = StoredClockPlace(ReadNumber("Xcoord"));
    settings->Ycoord = StoredClockPlace(ReadNumber("Ycoord"));
    settings->Title = ReadNumber("Title");
    settings->Custom = ReadNumber(CustomValue);
    settings->Color = (WORD)ReadNumber("Color");
    settings->CtrlOff = ReadNumber("CtrlOff");
    settings->Stay = ReadNumber("Stay");
    if (settings->Custom)
      ReadText(FormatValue, settings->Format, sizeof settings->Format);
  }
  if (!settings->Custom)
    memcpy(settings->Format, ClockHostFormat, sizeof settings->Format);
  if (!settings->Pause)
    settings->Pause = ClockHostPause ? ClockHostPause : (DWORD)CLOCK_DEFAULT_PAUSE;
  UnlockSettings();
}

// The text, read in the OEM code page like every text the host hands over:
// the language file's default format and the format typed in the dialog
// alike. A text that cannot be converted shows as empty.
static DWORD DecodeClockText(const char *bytes, WCHAR *text) {
  if (!MultiByteToWideChar(CP_OEMCP, 0, bytes, -1, text, CLOCK_TEXT_SIZE))
    text[0] = 0;
  text[CLOCK_TEXT_SIZE - 1] = 0;
  DWORD length = 0;
  while (text[length])
    length++;
  return length;
}

// Moves the display to the part of text that lies on the buffer: the text
// ends Xcoord columns left of the right edge, in row Ycoord; what falls off
// the left or right edge is cut. The text covers only cells whose content
// was saved: none a read did not report. 0 when a text that is not empty
// has no cell on the buffer.
static int PlaceClockText(struct ClockDisplay *display, const struct ClockSettings *settings,
                          COORD size, const WCHAR *text, DWORD length) {
  COORD position = display->Position;
  if (settings->Ycoord < 0 || settings->Ycoord >= size.Y) {
    MoveClockCells(display, position, 0, text);
    return 0;
  }
  LONG column = (LONG)size.X - (LONG)length - settings->Xcoord;
  LONG cut = column < 0 ? -column : 0;
  if (length == 0 || column + cut >= size.X) {
    MoveClockCells(display, position, 0, text);
    return length == 0; // an empty text draws nothing, yet takes the title
  }
  DWORD shown = (LONG)length > cut ? length - (DWORD)cut : 0;
  if (shown > (DWORD)(size.X - (column + cut)))
    shown = (DWORD)(size.X - (column + cut));
  position.X = (SHORT)(column + cut);
  position.Y = (SHORT)settings->Ycoord;
  MoveClockCells(display, position, shown, text + cut);
  return display->Length > 0;
}

// What one display goes by besides its cells: its settings and format,
// the buffer's size, when it ends, and the title it set.
struct ClockRun {
  const struct ClockSettings *Settings;
  COORD Size;
  DWORD Start, Time;
  LONG StartMask;
  SYSTEMTIME Shown; /* the second (UTC) the text was expanded in */
  int TitleHeld;    /* the title shows the clock's text, set by it */
  WCHAR Title[CLOCK_TEXT_SIZE];
};

// Time is measured as ticks since the start, so a display that spans the
// 32-bit wrap of the tick count still lasts its time. One kept until
// switched off has none.
static int DisplayEnds(const struct ClockRun *run) {
  if (!run->Settings->Stay && GetTickCount() - run->Start > run->Time)
    return 1;
  if (ClockStopRequest.load() != 0 || ClockUnloading.load() != 0)
    return 1;
  return run->StartMask != 0 && ReadModifierMask() != run->StartMask;
}

static int SameSecond(const SYSTEMTIME *a, const SYSTEMTIME *b) {
  return a->wSecond == b->wSecond && a->wMinute == b->wMinute && a->wHour == b->wHour &&
         a->wDay == b->wDay && a->wMonth == b->wMonth && a->wYear == b->wYear;
}

static int SameWideText(const WCHAR *a, const WCHAR *b) {
  while (*a && *a == *b)
    a++, b++;
  return *a == *b;
}

// The title is the clock's only while it shows the text the clock set: a
// title the host sets during a display is the host's from then on, as a
// cell the host repaints is.
static int TitleStillHeld(const struct ClockRun *run) {
  if (!run->TitleHeld)
    return 0;
  WCHAR title[2 * CLOCK_TEXT_SIZE];
  title[0] = 0;
  GetConsoleTitleW(title, 2 * CLOCK_TEXT_SIZE);
  title[2 * CLOCK_TEXT_SIZE - 1] = 0;
  return SameWideText(title, run->Title);
}

// Places the expanded text; the title shows it too, first taken at the
// start. 0 when it has no cell on the buffer.
static int ShowText(struct ClockDisplay *display, struct ClockRun *run, int start) {
  WCHAR text[CLOCK_TEXT_SIZE];
  DWORD length = DecodeClockText(display->Text, text);
  int placed = PlaceClockText(display, run->Settings, run->Size, text, length);
  if (!placed || !run->Settings->Title)
    return placed;
  run->TitleHeld = start || TitleStillHeld(run);
  if (run->TitleHeld) {
    SetConsoleTitleW(text);
    memcpy(run->Title, text, sizeof text);
  }
  return placed;
}

// A new second: the text expanded again. When it reads otherwise, the
// display moves to it: the cells it leaves are put back, the host's cells
// under the rest stay saved as they were, never read back from a screen
// the display has drawn on.
static void FollowTheClock(struct ClockDisplay *display, struct ClockRun *run) {
  // The seconds of UTC and of local time change together; UTC is read
  // without the zone, cheaply, once a pass.
  SYSTEMTIME now;
  GetSystemTime(&now);
  if (SameSecond(&now, &run->Shown))
    return;
  run->Shown = now;
  char text[CLOCK_TEXT_SIZE];
  ExpandDateText(text, sizeof text, run->Settings->Format, NULL);
  if (!strcmp(text, display->Text))
    return;
  memcpy(display->Text, text, sizeof text);
  ShowText(display, run, 0);
}

// Passes spaced by a short wait: a display costs next to no processor
// time, yet what is painted over the text is covered again long before a
// person could see it.
static void ShowUntilEnd(struct ClockDisplay *display, struct ClockRun *run) {
  for (;;) {
    FollowTheClock(display, run);
    RunClockPass(display);
    if (DisplayEnds(run))
      break;
    Sleep(CLOCK_PASS_SPACING);
  }
}

static void ShowClock(const struct ClockSettings *settings) {
  struct ClockDisplay display;
  memset(&display, 0, sizeof display);
  struct ClockRun run;
  memset(&run, 0, sizeof run);
  run.Settings = settings;
  run.StartMask = settings->CtrlOff ? ReadModifierMask() : 0;
  run.Time = settings->Pause;
  display.Console = GetStdHandle(STD_OUTPUT_HANDLE);
  run.Start = GetTickCount();
  // Without a console there is no width to place the text by: no display.
  CONSOLE_SCREEN_BUFFER_INFO buffer;
  if (!GetConsoleScreenBufferInfo(display.Console, &buffer))
    return;
  run.Size = buffer.dwSize;
  // The whole title, whatever its length, to be put back as it was.
  WCHAR savedTitle[CLOCK_TITLE_SIZE];
  savedTitle[0] = 0;
  if (settings->Title)
    GetConsoleTitleW(savedTitle, CLOCK_TITLE_SIZE);
  savedTitle[CLOCK_TITLE_SIZE - 1] = 0;
  GetSystemTime(&run.Shown);
  ExpandDateText(display.Text, sizeof display.Text, settings->Format, NULL);
  // A text wholly off the buffer would run its time unseen: none at all.
  if (!ShowText(&display, &run, 1))
    return;
  display.Color = settings->Color ? settings->Color : display.SavedCells[0].Attributes;

  ShowUntilEnd(&display, &run);

  PutBackClockCells(&display);
  if (TitleStillHeld(&run))
    SetConsoleTitleW(savedTitle);
}

void __cdecl RunClockIndicator(void *) {
  LockSettings();
  if (OpenSettingsKey("Indicator"))
    ClockSwitchMode.store((LONG)ReadNumber("SwitchMode"));
  UnlockSettings();
  // The check and the claim are one step: two threads never both draw.
  if (ClockRunning.exchange(1) == 1) {
    ClockStopRequest.store(EntrySwitchesClockOff());
    return;
  }
  struct ClockSettings settings;
  ReadClockSettings(&settings);
  ClockStaying.store((LONG)(settings.Stay != 0));
  ShowClock(&settings);
  ClockStaying.store(0);
  ClockRunning.store(0);
  ClockStopRequest.store(0);
}
