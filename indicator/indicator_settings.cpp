#include "indicator/indicator_settings.h"

#include <string.h>

#include "hostlink/dialog_binding.h"
#include "hostlink/dialog_snapshot.h"
#include "hostlink/failure_box.h"
#include "hostlink/host_table.h"
#include "indicator/clock_indicator.h"
#include "indicator/clock_numbers.h"
#include "indicator/decimal_text.h"
#include "presets/preview_line.h"
#include "presets/quick_format_settings.h"
#include "settings/settings_store.h"

static const char COLOUR_DIALOG_FILE[] = "color.dlg";

// The clock's format is chosen and held as the quick formats' are.
static_assert((int)INDICATOR_ITEM_DEFAULT == QUICK_ITEM_DEFAULT &&
                  (int)INDICATOR_ITEM_CUSTOM == QUICK_ITEM_CUSTOM &&
                  (int)INDICATOR_ITEM_FORMAT == QUICK_ITEM_FORMAT,
              "the clock's format items");

// How a value of the key stands in the dialog.
enum StoredKind { STORED_STATE, STORED_COLOUR, STORED_PAUSE, STORED_PLACE };

struct StoredValue {
  const char *Name;
  int Item;
  enum StoredKind Kind;
};

// The clock's own, in the order they are saved, after its format.
static const struct StoredValue StoredValues[] = {
    {"Title", INDICATOR_ITEM_TITLE, STORED_STATE},
    {"Color", 0, STORED_COLOUR},
    {"Pause", INDICATOR_ITEM_PAUSE, STORED_PAUSE},
    {"Xcoord", INDICATOR_ITEM_XCOORD, STORED_PLACE},
    {"Ycoord", INDICATOR_ITEM_YCOORD, STORED_PLACE},
    {"SwitchMode", INDICATOR_ITEM_SWITCH_MODE, STORED_STATE},
    {"CtrlOff", INDICATOR_ITEM_CTRL_OFF, STORED_STATE},
    {"Stay", INDICATOR_ITEM_STAY, STORED_STATE},
};

// The time and place are shown as stored, so that confirming without a
// change keeps them; one never stored shows the description's text. They
// show as the clock reads them: a value out of range shows clamped, so
// that confirming keeps what the clock does.
static void LoadStoredValue(DialogHandle dialog, const struct StoredValue *value) {
  DWORD number = 0;
  if (value->Kind == STORED_STATE) {
    number = ReadNumber(value->Name);
    Dialogs.SetItemStatus(dialog, value->Item, (int)number);
    if (value->Item == INDICATOR_ITEM_SWITCH_MODE)
      ClockSwitchMode.store((LONG)number);
  } else if (value->Kind != STORED_COLOUR &&
             ReadValue(value->Name, &number, sizeof number) == ERROR_SUCCESS) {
    PutItemNumber(dialog, value->Item, "%ld",
                  value->Kind == STORED_PAUSE ? (long)StoredClockPause(number)
                                              : (long)StoredClockPlace(number));
  }
}

void ReadClockFormat(char format[FORMAT_SIZE]) {
  LockSettings();
  if (!OpenExistingSettingsKey("Indicator") || !ReadNumber(CustomValue))
    memcpy(format, ClockHostFormat, sizeof ClockHostFormat);
  else if (ReadText(FormatValue, format, FORMAT_SIZE) != ERROR_SUCCESS)
    format[0] = 0;
  UnlockSettings();
}

// Fills the dialog from the key; returns the stored colour.
static DWORD LoadIndicatorSettings(DialogHandle dialog) {
  LockSettings();
  int opened = OpenSettingsKey("Indicator") != NULL;
  DWORD colour = opened ? ReadNumber("Color") : 0;
  if (opened)
    LoadCustomFormat(dialog);
  for (const struct StoredValue &value : StoredValues)
    if (opened)
      LoadStoredValue(dialog, &value);
  UnlockSettings();
  return colour;
}

static LONG SaveStoredValue(DialogHandle dialog, const struct StoredValue *value, DWORD colour) {
  DWORD number = colour;
  const char *text = value->Kind == STORED_COLOUR ? NULL : Dialogs.GetItemData(dialog, value->Item);
  if (value->Kind == STORED_STATE)
    number = (DWORD)Dialogs.GetItemStatus(dialog, value->Item);
  else if (value->Kind != STORED_COLOUR) {
    if (!text)
      return ERROR_SUCCESS;
    number = ReadDecimalText(text);
  }
  return WriteValue(value->Name, &number, REG_DWORD);
}

// Returns the first failing registry result, ERROR_SUCCESS when saved.
static LONG SaveIndicatorSettings(DialogHandle dialog, DWORD colour) {
  LockSettings();
  OpenSettingsKey("Indicator");
  LONG result = SaveCustomFormat(dialog);
  for (const struct StoredValue &value : StoredValues) {
    result = FirstFailure(result, SaveStoredValue(dialog, &value, colour));
    // The clock switches as saved, once all before it is saved.
    if (value.Item == INDICATOR_ITEM_SWITCH_MODE && result == ERROR_SUCCESS)
      ClockSwitchMode.store(Dialogs.GetItemStatus(dialog, INDICATOR_ITEM_SWITCH_MODE));
  }
  UnlockSettings();
  return result;
}

// Says which number cannot be shown and puts the focus on it.
static int RefuseNumber(DialogHandle dialog, int item, int message) {
  ShowTitledNote(MSG_CLOCK_NUMBERS_TITLE, message, MSG_CLOCK_NUMBERS_OK, FMSG_WARNING);
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
        // A save refused or failed is said so, and the dialog comes back.
        if ((colour != loadedColour || DialogChangedSince(dialog, &shown)) &&
            (!CustomFormatSaveAccepted(dialog) ||
             !SettingsSaved(SaveIndicatorSettings(dialog, colour))))
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
