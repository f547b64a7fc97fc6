#include "calendar/calendar_settings.h"

#include "calendar/pickers.h"
#include "datetext/date_text.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/failure_box.h"
#include "hostlink/host_table.h"
#include "presets/preset_dialog.h"
#include "presets/preview_line.h"
#include "settings/settings_store.h"

// The offer sends the picked day as set: a format it cannot send is
// refused or asked about, and the dialog comes back as typed.
static void RunOffer(DialogHandle dialog) {
  while (ShowFormatDialog(dialog, PRESET_ITEM_FORMAT) != -1 &&
         !SavePresetChecked(dialog, CALENDAR_SLOT)) {
  }
}

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
    RunOffer(dialog);
  } else {
    EditStoredPreset(dialog, CALENDAR_SLOT);
  }
  Dialogs.FreeDialog(dialog);
}

void EditCalendarFormat(void) { RunCalendarSettings(0); }

void OfferCalendarFormat(void) { RunCalendarSettings(1); }
