#include "indicator/indicator_settings.h"

#include <stdio.h>

#include "hostlink/dialog_binding.h"
#include "hostlink/dialog_snapshot.h"
#include "hostlink/failure_box.h"
#include "hostlink/host_table.h"
#include "indicator/clock_indicator.h"
#include "indicator/clock_numbers.h"
#include "indicator/decimal_text.h"
#include "presets/preview_line.h"
#include "settings/settings_store.h"

static const char COLOUR_DIALOG_FILE[] = "color.dlg";

struct StoredIndicator {
  DWORD Custom, Title, Color, SwitchMode, CtrlOff, Stay, Pause, Xcoord, Ycoord;
  int HaveFormat, HavePause, HaveXcoord, HaveYcoord;
  char Format[FORMAT_SIZE];
};

// 1 when the number is stored; the description's text stays otherwise.
static int ReadStoredNumber(const char *name, DWORD *number) {
  *number = 0;
  return ReadValue(name, number, sizeof *number) == ERROR_SUCCESS;
}

// Fills the dialog from the key; returns the stored colour. The format,
// time and place are shown as stored too, so that confirming without a
// change keeps them; one never stored shows the description's text.
static DWORD LoadIndicatorSettings(DialogHandle dialog) {
  struct StoredIndicator stored;
  LockSettings();
  int opened = OpenSettingsKey("Indicator") != NULL;
  if (opened) {
    stored.Custom = ReadNumber("Custom");
    stored.Title = ReadNumber("Title");
    stored.Color = ReadNumber("Color");
    stored.SwitchMode = ReadNumber("SwitchMode");
    stored.CtrlOff = ReadNumber("CtrlOff");
    stored.Stay = ReadNumber("Stay");
    stored.HaveFormat = ReadText("Format", stored.Format, sizeof stored.Format) == ERROR_SUCCESS;
    stored.HavePause = ReadStoredNumber("Pause", &stored.Pause);
    stored.HaveXcoord = ReadStoredNumber("Xcoord", &stored.Xcoord);
    stored.HaveYcoord = ReadStoredNumber("Ycoord", &stored.Ycoord);
  }
  UnlockSettings();
  if (!opened)
    return 0;
  Dialogs.SetRadioStatus(dialog, INDICATOR_ITEM_DEFAULT,
                         stored.Custom ? INDICATOR_ITEM_CUSTOM : INDICATOR_ITEM_DEFAULT);
  Dialogs.SetItemStatus(dialog, INDICATOR_ITEM_TITLE, (int)stored.Title);
  Dialogs.SetItemStatus(dialog, INDICATOR_ITEM_SWITCH_MODE, (int)stored.SwitchMode);
  ClockSwitchMode.store((LONG)stored.SwitchMode);
  Dialogs.SetItemStatus(dialog, INDICATOR_ITEM_CTRL_OFF, (int)stored.CtrlOff);
  Dialogs.SetItemStatus(dialog, INDICATOR_ITEM_STAY, (int)stored.Stay);
  if (stored.HaveFormat)
    PutItemText(dialog, INDICATOR_ITEM_FORMAT, stored.Format);
  // As the clock reads them: a value out of range shows clamped, so
  // confirming keeps what the clock does.
  char number[16];
  snprintf(number, sizeof number, "%lu", (unsigned long)StoredClockPause(stored.Pause));
  if (stored.HavePause)
    PutItemText(dialog, INDICATOR_ITEM_PAUSE, number);
  snprintf(number, sizeof number, "%ld", (long)StoredClockPlace(stored.Xcoord));
  if (stored.HaveXcoord)
    PutItemText(dialog, INDICATOR_ITEM_XCOORD, number);
  snprintf(number, sizeof number, "%ld", (long)StoredClockPlace(stored.Ycoord));
  if (stored.HaveYcoord)
    PutItemText(dialog, INDICATOR_ITEM_YCOORD, number);
  return stored.Color;
}

static LONG WriteState(DialogHandle dialog, const char *name, int item) {
  DWORD state = (DWORD)Dialogs.GetItemStatus(dialog, item);
  return WriteValue(name, &state, REG_DWORD);
}

static LONG WriteNumberText(DialogHandle dialog, const char *name, int item) {
  const char *text = Dialogs.GetItemData(dialog, item);
  if (!text)
    return ERROR_SUCCESS;
  DWORD number = ReadDecimalText(text);
  return WriteValue(name, &number, REG_DWORD);
}

// Returns the first failing registry result, ERROR_SUCCESS when saved.
static LONG SaveIndicatorSettings(DialogHandle dialog, DWORD colour) {
  LockSettings();
  OpenSettingsKey("Indicator");
  LONG result = WriteState(dialog, "Custom", INDICATOR_ITEM_CUSTOM);
  const char *format = Dialogs.GetItemData(dialog, INDICATOR_ITEM_FORMAT);
  if (format)
    result = FirstFailure(result, WriteValue("Format", format, REG_SZ));
  result = FirstFailure(result, WriteState(dialog, "Title", INDICATOR_ITEM_TITLE));
  result = FirstFailure(result, WriteValue("Color", &colour, REG_DWORD));
  result = FirstFailure(result, WriteNumberText(dialog, "Pause", INDICATOR_ITEM_PAUSE));
  result = FirstFailure(result, WriteNumberText(dialog, "Xcoord", INDICATOR_ITEM_XCOORD));
  result = FirstFailure(result, WriteNumberText(dialog, "Ycoord", INDICATOR_ITEM_YCOORD));
  result = FirstFailure(result, WriteState(dialog, "SwitchMode", INDICATOR_ITEM_SWITCH_MODE));
  if (result == ERROR_SUCCESS)
    ClockSwitchMode.store(Dialogs.GetItemStatus(dialog, INDICATOR_ITEM_SWITCH_MODE));
  result = FirstFailure(result, WriteState(dialog, "CtrlOff", INDICATOR_ITEM_CTRL_OFF));
  result = FirstFailure(result, WriteState(dialog, "Stay", INDICATOR_ITEM_STAY));
  UnlockSettings();
  return result;
}

// Says which number cannot be shown and puts the focus on it.
static int RefuseNumber(DialogHandle dialog, int item, int message) {
  ShowTitledNote(MSG_CLOCK_NUMBERS_TITLE, message, MSG_CLOCK_NUMBERS_OK, FMSG_WARNING);
  if (Dialogs.SetItemFocus)
    Dialogs.SetItemFocus(dialog, item);
  return 0;
}

// 1 when the time and the place typed can be shown; otherwise the person
// is told the range, and the dialog shows again with what was typed.
static int ClockNumbersShowable(DialogHandle dialog) {
  if (!DecimalTextWithin(Dialogs.GetItemData(dialog, INDICATOR_ITEM_PAUSE), 0, CLOCK_LONGEST_PAUSE))
    return RefuseNumber(dialog, INDICATOR_ITEM_PAUSE, MSG_CLOCK_PAUSE_RANGE);
  for (int item = INDICATOR_ITEM_XCOORD; item <= INDICATOR_ITEM_YCOORD; item++)
    if (!DecimalTextWithin(Dialogs.GetItemData(dialog, item), CLOCK_PLACE_LOWEST,
                           CLOCK_PLACE_HIGHEST))
      return RefuseNumber(dialog, item, MSG_CLOCK_PLACE_RANGE);
  return 1;
}

// The focus goes to the colour shown: the one just chosen, the foreground
// unless only the background changed.
static void FocusShownColour(DialogHandle picker, int foreground, int background,
                             int backgroundChanged) {
  Dialogs.SetItemFocus(picker, backgroundChanged ? COLOUR_ITEM_FIRST_BACKGROUND + background / 16
                                                 : COLOUR_ITEM_FIRST_FOREGROUND + foreground);
}

// The picker, shown until it is accepted or cancelled; returns the colour
// then in force.
static DWORD PickColour(DialogHandle picker, DWORD colour) {
  int foreground = (int)(colour & 0x0F);
  int background = (int)(colour & 0xF0);
  if (colour == 0)
    background = COLOUR_FIRST_BACKGROUND;
  Dialogs.SetRadioStatus(picker, COLOUR_ITEM_FOREGROUND, foreground);
  Dialogs.SetRadioStatus(picker, COLOUR_ITEM_BACKGROUND, background);
  int exitCode, backgroundChanged = 0;
  do {
    Dialogs.SetItemColor(picker, COLOUR_ITEM_SAMPLE, foreground + background);
    FocusShownColour(picker, foreground, background, backgroundChanged);
    exitCode = Dialogs.ShowDialog(picker);
    int chosenForeground = Dialogs.GetRadioStatus(picker, COLOUR_ITEM_FOREGROUND);
    int chosenBackground = Dialogs.GetRadioStatus(picker, COLOUR_ITEM_BACKGROUND);
    backgroundChanged = chosenBackground != background && chosenForeground == foreground;
    foreground = chosenForeground;
    background = chosenBackground;
  } while (exitCode != COLOUR_EXIT_ACCEPT && exitCode != -1);
  return exitCode == -1 ? colour : (DWORD)(foreground + background);
}

void EditIndicatorSettings(void) {
  DialogHandle dialog = LoadPluginDialog(GetMsgText(MSG_DIALOG_FILE), "Indicator");
  DialogHandle picker = LoadPluginDialog(COLOUR_DIALOG_FILE, "Color Select");
  if (dialog) {
    static const int statusItems[] = {INDICATOR_ITEM_CUSTOM,      INDICATOR_ITEM_TITLE,
                                      INDICATOR_ITEM_SWITCH_MODE, INDICATOR_ITEM_CTRL_OFF,
                                      INDICATOR_ITEM_STAY,        0};
    static const int textItems[] = {INDICATOR_ITEM_FORMAT, INDICATOR_ITEM_PAUSE,
                                    INDICATOR_ITEM_XCOORD, INDICATOR_ITEM_YCOORD, 0};
    DWORD loadedColour = LoadIndicatorSettings(dialog), colour = loadedColour;
    struct DialogSnapshot shown;
    TakeDialogSnapshot(dialog, statusItems, textItems, &shown);
    // Every exit but Cancel saves, unless it asked for the colour picker;
    // with nothing changed there is nothing to save.
    while (ShowFormatDialog(dialog, INDICATOR_ITEM_FORMAT) != -1) {
      if (!Dialogs.GetItemStatus(dialog, INDICATOR_ITEM_COLOUR_REQUEST) || !picker) {
        if (!ClockNumbersShowable(dialog))
          continue;
        // A save that fails is said so, and the dialog comes back.
        if ((colour != loadedColour || DialogChangedSince(dialog, &shown)) &&
            !SettingsSaved(SaveIndicatorSettings(dialog, colour)))
          continue;
        break;
      }
      Dialogs.SetRadioStatus(dialog, INDICATOR_ITEM_COLOUR_GROUP, INDICATOR_ITEM_COLOUR_GROUP);
      colour = PickColour(picker, colour);
      // Back where the person left for the picker.
      Dialogs.SetItemFocus(dialog, INDICATOR_ITEM_COLOUR_REQUEST);
    }
    Dialogs.FreeDialog(dialog);
  }
  if (picker)
    Dialogs.FreeDialog(picker);
}
