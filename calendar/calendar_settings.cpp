#include "calendar/calendar_settings.h"

#include "calendar/pickers.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "presets/preset_dialog.h"
#include "settings/settings_store.h"

static void RunCalendarSettings(int firstUse) {
  DialogHandle dialog = LoadPluginDialog(GetMsgText(MSG_DIALOG_FILE), "Main2");
  if (!dialog)
    return;
  // The offer is saved as shown unless cancelled: the pick goes by it.
  if (firstUse) {
    LoadPresetIntoDialog(dialog, CALENDAR_SLOT);
    const char *standard = GetMsgText(MSG_CALENDAR_FORMAT);
    if (standard)
      PutItemText(dialog, PRESET_ITEM_FORMAT, standard);
    Dialogs.SetRadioStatus(dialog, PRESET_ITEM_AT_CURSOR, PRESET_ITEM_AT_CURSOR);
    Dialogs.RestoreItem(dialog, SETTINGS_ITEM_FIRST_USE);
    RunPresetEditDialog(dialog, CALENDAR_SLOT);
  } else {
    EditStoredPreset(dialog, CALENDAR_SLOT);
  }
  Dialogs.FreeDialog(dialog);
}

void EditCalendarFormat(void) { RunCalendarSettings(0); }

void OfferCalendarFormat(void) { RunCalendarSettings(1); }
