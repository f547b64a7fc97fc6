#include "calendar/calendar_settings.h"

#include "calendar/pickers.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/dialog_snapshot.h"
#include "hostlink/host_table.h"
#include "presets/preset_dialog.h"
#include "settings/settings_store.h"

// A value of its own in the slot's key, so that the preset's three values
// keep their meaning for every version.
static const char WeekNumbersValue[] = "WeekNumbers";

int ReadCalendarWeekNumbers(void) {
  LockSettings();
  int on = OpenExistingPresetKey(CALENDAR_SLOT) && ReadNumber(WeekNumbersValue) != 0;
  UnlockSettings();
  return on;
}

static void SaveWeekNumbers(DialogHandle dialog) {
  DWORD on = Dialogs.GetItemStatus(dialog, SETTINGS_ITEM_WEEK_NUMBERS) != 0;
  LockSettings();
  if (OpenPresetKey(CALENDAR_SLOT))
    WriteValue(WeekNumbersValue, &on, REG_DWORD);
  UnlockSettings();
}

// A first pick with no format set offers the language's own, to the
// cursor; confirming the offer stores it.
static void OfferDefaults(DialogHandle dialog) {
  const char *format = Dialogs.GetItemData(dialog, PRESET_ITEM_FORMAT);
  const char *standard = GetMsgText(MSG_CALENDAR_FORMAT);
  if (!format || format[0] || !standard || !standard[0])
    return;
  PutItemText(dialog, PRESET_ITEM_FORMAT, standard);
  Dialogs.SetRadioStatus(dialog, PRESET_ITEM_AT_CURSOR, PRESET_ITEM_AT_CURSOR);
}

// The preset's values and the week numbers are each written only when
// the person changed them, so that a stored value the dialog could not
// show as it is stays.
static int RunCalendarSettings(int firstUse) {
  static const int statusItems[] = {PRESET_ITEM_AT_CURSOR, PRESET_ITEM_QUICK_INSERT,
                                    PRESET_ITEM_VIEW_ONLY, 0};
  static const int textItems[] = {PRESET_ITEM_NAME, PRESET_ITEM_FORMAT, 0};
  DialogHandle dialog = LoadPluginDialog(GetMsgText(MSG_DIALOG_FILE), "Main2");
  if (!dialog)
    return 0;
  LoadPresetIntoDialog(dialog, CALENDAR_SLOT);
  int weekNumbers = ReadCalendarWeekNumbers();
  Dialogs.SetItemStatus(dialog, SETTINGS_ITEM_WEEK_NUMBERS, weekNumbers);
  struct DialogSnapshot stored;
  TakeDialogSnapshot(dialog, statusItems, textItems, &stored);
  if (firstUse) {
    OfferDefaults(dialog);
    Dialogs.RestoreItem(dialog, SETTINGS_ITEM_FIRST_USE);
  }
  int saved = 0;
  if (Dialogs.ShowDialog(dialog) != -1) {
    saved = DialogChangedSince(dialog, &stored);
    if (saved)
      SavePresetFromDialog(dialog, CALENDAR_SLOT);
    if ((Dialogs.GetItemStatus(dialog, SETTINGS_ITEM_WEEK_NUMBERS) != 0) != weekNumbers)
      SaveWeekNumbers(dialog);
  }
  Dialogs.FreeDialog(dialog);
  return saved;
}

void EditCalendarFormat(void) { RunCalendarSettings(0); }

int OfferCalendarFormat(void) { return RunCalendarSettings(1); }
