#include "presets/preset_menu.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "datetext/date_text.h"
#include "datetext/local_time.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "presets/preset_dialog.h"
#include "presets/quick_format_settings.h"
#include "settings/settings_store.h"

// The name listed for a preset without a readable one.
enum { MSG_NO_PRESET_NAME = 110 };

struct PresetTableEntry PresetTable[PRESET_SLOTS];
struct FarMenuItem PresetMenuItems[PRESET_SLOTS];
DialogHandle PresetDialog;

// The free-format line previews the presets-menu format the user chose in
// the "Menu" settings, if any.
static char FreeFormatCopy[PRESET_TEXT_SIZE];

static int WidenNameColumn(int width, const char *name) {
  int length = name ? (int)strlen(name) : 0;
  if (length > PRESET_NAME_MAX_WIDTH)
    length = PRESET_NAME_MAX_WIDTH;
  return length > width ? length : width;
}

// Null when the heap refuses: the slot is then listed as if unreadable.
static char *CopyText(const char *text) {
  size_t size = strlen(text) + 1;
  char *copy = (char *)malloc(size);
  if (copy)
    memcpy(copy, text, size);
  return copy;
}

static void ReleaseCopies(struct PresetTableEntry *entry) {
  free(entry->NameCopy);
  free(entry->FormatCopy);
  entry->NameCopy = entry->FormatCopy = NULL;
  entry->Name = entry->Format = NULL;
}

int LoadPresetTable(void) {
  PresetTable[0].Name = GetMsgText(MSG_FREE_FORMAT);
  PresetTable[0].Format = NULL;
  int width = WidenNameColumn(PRESET_NAME_MIN_WIDTH, PresetTable[0].Name);
  char buffer[PRESET_TEXT_SIZE];
  LockSettings();
  for (int slot = 1; slot < PRESET_SLOTS; slot++) {
    // Read whole, as the preset dialog reads them: a saved preset is listed
    // whatever the length of its name and format.
    struct PresetTableEntry *entry = &PresetTable[slot];
    ReleaseCopies(entry);
    if (!OpenExistingPresetKey(slot) || ReadText("Name", buffer, sizeof buffer) != ERROR_SUCCESS)
      continue;
    entry->Name = entry->NameCopy = CopyText(buffer);
    if (!entry->Name)
      continue;
    width = WidenNameColumn(width, entry->Name);
    ReadText("Format", buffer, sizeof buffer);
    entry->Format = entry->FormatCopy = CopyText(buffer);
  }
  UnlockSettings();
  if (ReadMenuFreeFormat(FreeFormatCopy, sizeof FreeFormatCopy))
    PresetTable[0].Format = FreeFormatCopy;
  return width;
}

void BuildPresetMenu(int width) {
  if (width > PRESET_NAME_MAX_WIDTH)
    width = PRESET_NAME_MAX_WIDTH;
  // Every preview shows the same moment.
  struct tm now;
  ReadLocalTime(&now);
  const char *noName = GetMsgText(MSG_NO_PRESET_NAME);
  for (int slot = 0; slot < PRESET_SLOTS; slot++) {
    const struct PresetTableEntry *entry = &PresetTable[slot];
    struct FarMenuItem *item = &PresetMenuItems[slot];
    DateText[0] = 0;
    if (entry->Name && entry->Format)
      ExpandDateText(DateText, DATE_TEXT_SIZE, entry->Format, &now);
    // Names are cut to the column, so the bars line up and the preview fits.
    snprintf(item->Text, sizeof item->Text, "&%-2d \xB3 %-*.*s \xB3 %-.*s", slot, width, width,
             entry->Name ? entry->Name
             : noName    ? noName
                         : "",
             PRESET_PREVIEW_WIDTH, DateText);
    item->Selected = 0;
    item->Checked = 0;
    item->Separator = 0;
  }
}

int ShowPresetMenu(int *breakCode) {
  static const int BreakKeys[] = {VK_INSERT, VK_F4, VK_DELETE, 0};
  *breakCode = -1;
  if (!HostReady || !HostServices.Menu)
    return -1;
  int chosen = HostServices.Menu(HostServices.ModuleNumber, -1, -1, 0, FMENU_WRAPMODE,
                                 GetMsgText(MSG_PRESETS_TITLE), GetMsgText(MSG_PRESETS_BOTTOM),
                                 "Contents", BreakKeys, breakCode, PresetMenuItems, PRESET_SLOTS);
  return chosen >= 0 && chosen < PRESET_SLOTS ? chosen : -1;
}

void ReleasePresetDialog(void) {
  if (PresetDialog)
    Dialogs.FreeDialog(PresetDialog);
  PresetDialog = 0;
}

static void ActOnBreakKey(int breakCode, int slot) {
  switch (breakCode) {
  case PRESET_KEY_INSERT:
  case PRESET_KEY_EDIT:
    // These showings only save the slot: an Insert button would save too.
    Dialogs.HideItem(PresetDialog, PRESET_ITEM_INSERT);
    if (breakCode == PRESET_KEY_EDIT)
      EditStoredPreset(PresetDialog, slot);
    else
      RunPresetEditDialog(PresetDialog, slot);
    Dialogs.RestoreItem(PresetDialog, PRESET_ITEM_INSERT);
    break;
  case PRESET_KEY_DELETE:
    LockSettings();
    DeletePresetKey(slot);
    UnlockSettings();
    break;
  }
}

// Slot 0 with no format of its own starts from the "Menu" settings' format.
static void StartFreeFormat(void) {
  char *format = Dialogs.GetItemData(PresetDialog, PRESET_ITEM_FORMAT);
  if (format && !format[0])
    ReadMenuFreeFormat(format, PRESET_TEXT_SIZE);
}

int RunPresetMenu(void) {
  ReleasePresetDialog();
  PresetDialog = LoadPluginDialog(GetMsgText(MSG_DIALOG_FILE), "Main");
  if (!PresetDialog)
    return -1;
  int remembered = 0;
  int chosen;
  int breakCode;
  do {
    BuildPresetMenu(LoadPresetTable());
    PresetMenuItems[remembered].Selected = 1;
    chosen = ShowPresetMenu(&breakCode);
    if (chosen < 0) {
      breakCode = -1;
      break;
    }
    remembered = chosen;
    if (breakCode != -1 && chosen != FREE_FORMAT_SLOT)
      ActOnBreakKey(breakCode, chosen);
  } while (breakCode != -1);
  if (chosen < 0)
    return -1;
  LoadPresetIntoDialog(PresetDialog, chosen);
  if (chosen == FREE_FORMAT_SLOT)
    StartFreeFormat();
  else if (Dialogs.GetItemStatus(PresetDialog, PRESET_ITEM_QUICK_INSERT))
    return PRESET_INSERT;
  return RunPresetInsertDialog(chosen);
}
