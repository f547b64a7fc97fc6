#include "support/fake_dialogs.h"

#include <string.h>

#include "calendar/calendar_dialog.h"
#include "calendar/pickers.h"
#include "hostlink/dialog_binding.h"
#include "plugin/plugin.h"

static FakeDialogLibrary *TheLibrary = new FakeDialogLibrary;

FakeDialogLibrary &FakeDialogs() { return *TheLibrary; }

static FakeDialog *Find(DialogHandle handle) {
  for (auto &dialog : FakeDialogs().loaded)
    if (reinterpret_cast<DialogHandle>(dialog.get()) == handle && !dialog->freed)
      return dialog.get();
  return nullptr;
}

static FakeItem *FindItem(DialogHandle handle, int item) {
  FakeDialog *dialog = Find(handle);
  if (!dialog)
    return nullptr;
  auto found = dialog->items.find(item);
  return found == dialog->items.end() ? nullptr : &found->second;
}

void SelectRadio(FakeDialog &dialog, int item) {
  int group = dialog.items[item].group;
  for (auto &entry : dialog.items)
    if (entry.second.group == group)
      entry.second.status = entry.first == item;
}

int SelectedRadio(FakeDialog &dialog, int groupItem) {
  int group = dialog.items[groupItem].group;
  for (auto &entry : dialog.items)
    if (entry.second.group == group && entry.second.status)
      return entry.first;
  return 0;
}

FakeDialog *LastLoaded(const std::string &name) {
  for (auto it = FakeDialogs().loaded.rbegin(); it != FakeDialogs().loaded.rend(); ++it)
    if ((*it)->name == name)
      return it->get();
  return nullptr;
}

int LiveDialogs() {
  int live = 0;
  for (auto &dialog : FakeDialogs().loaded)
    live += !dialog->freed;
  return live;
}

static DialogHandle __cdecl FakeLoadDialogEx(HINSTANCE, int, const char *file, const char *name) {
  auto layout = FakeDialogs().layouts.find(name ? name : "");
  if (!file || layout == FakeDialogs().layouts.end())
    return 0;
  auto dialog = std::make_unique<FakeDialog>();
  dialog->file = file;
  dialog->name = name;
  layout->second(*dialog);
  FakeDialogs().loaded.push_back(std::move(dialog));
  return reinterpret_cast<DialogHandle>(FakeDialogs().loaded.back().get());
}

static void __cdecl FakeFreeDialog(DialogHandle handle) {
  if (FakeDialog *dialog = Find(handle))
    dialog->freed = true;
}

static int __cdecl FakeShowDialog(DialogHandle handle) {
  FakeDialog *dialog = Find(handle);
  if (!dialog)
    return -1;
  dialog->shows++;
  std::vector<int> hidden;
  for (auto &entry : dialog->items) {
    if (entry.second.momentary)
      entry.second.status = 0;
    if (entry.second.hidden)
      hidden.push_back(entry.first);
  }
  dialog->hiddenWhileShown.push_back(hidden);
  if (FakeDialogs().people.empty())
    return -1;
  Person person = FakeDialogs().people.front();
  FakeDialogs().people.pop_front();
  return person(*dialog);
}

static int __cdecl FakeGetItemStatus(DialogHandle handle, int item) {
  FakeItem *found = FindItem(handle, item);
  return found ? found->status : 0;
}

static char *__cdecl FakeGetItemData(DialogHandle handle, int item) {
  FakeItem *found = FindItem(handle, item);
  return found ? found->text : nullptr;
}

static FarDialogItem *__cdecl FakeGetItemAddr(DialogHandle handle, int item) {
  FakeItem *found = FindItem(handle, item);
  return found ? &found->record : nullptr;
}

static int __cdecl FakeGetRadioStatus(DialogHandle handle, int item) {
  FakeDialog *dialog = Find(handle);
  FakeItem *found = FindItem(handle, item);
  if (!dialog || !found || !found->group)
    return 0;
  for (auto &entry : dialog->items)
    if (entry.second.group == found->group && entry.second.status)
      return entry.second.value;
  return 0;
}

static void __cdecl FakeSetItemStatus(DialogHandle handle, int item, int state) {
  if (FakeItem *found = FindItem(handle, item))
    found->status = state;
}

static void __cdecl FakeSetRadioStatus(DialogHandle handle, int item, int value) {
  FakeDialog *dialog = Find(handle);
  FakeItem *found = FindItem(handle, item);
  if (!dialog || !found || !found->group)
    return;
  for (auto &entry : dialog->items)
    if (entry.second.group == found->group)
      entry.second.status = entry.second.value == value;
}

static void __cdecl FakeSetItemColor(DialogHandle handle, int item, int color) {
  if (FakeItem *found = FindItem(handle, item))
    found->color = color;
}

static void __cdecl FakeHideItem(DialogHandle handle, int item) {
  if (FakeItem *found = FindItem(handle, item))
    found->hidden = 1;
}

static void __cdecl FakeRestoreItem(DialogHandle handle, int item) {
  if (FakeItem *found = FindItem(handle, item))
    found->hidden = 0;
}

static void __cdecl FakeSetItemFocus(DialogHandle handle, int item) {
  if (FakeDialog *dialog = Find(handle))
    dialog->focus = item;
}

static void RadioGroup(FakeDialog &dialog, std::initializer_list<int> items) {
  int first = *items.begin();
  for (int item : items) {
    dialog.items[item].group = first;
    dialog.items[item].value = item;
  }
}

// The plugin's preset dialogs: radio group 1-2, check boxes 3 and 11, texts
// 4 and 6, the insert button 7 and the save request 8.
static void PresetLayout(FakeDialog &dialog) {
  RadioGroup(dialog, {1, 2});
  dialog.items[1].status = 1;
  for (int item : {3, 4, 5, 6, 7, 11})
    dialog.items[item];
  dialog.items[8].momentary = 1;
  // "Preview" and its line, from column 5 to 60; the format from column 15.
  dialog.items[30].momentary = 1;
  dialog.items[31].record.X1 = 5;
  dialog.items[31].record.X2 = 60;
  dialog.items[6].record.X1 = 15;
}

// The free-format line's: the target and the format, the insert button.
static void FreeFormatLayout(FakeDialog &dialog) {
  RadioGroup(dialog, {1, 2});
  dialog.items[1].status = 1;
  for (int item : {6, 7})
    dialog.items[item];
}

// The calendar's settings: the preset dialog's items, the first use's note
// 16, hidden, and the week numbers' check box 17.
static void CalendarSettingsLayout(FakeDialog &dialog) {
  PresetLayout(dialog);
  dialog.items[16].hidden = 1;
  dialog.items[17];
}

static void QuickFormatLayout(FakeDialog &dialog) {
  RadioGroup(dialog, {2, 3});
  dialog.items[2].status = 1;
  strcpy(dialog.items[4].text, "%d.%m.%Y");
}

// The quick format's also holds check box 10, the viewer's note.
static void AutoLayout(FakeDialog &dialog) {
  QuickFormatLayout(dialog);
  dialog.items[10].status = 0;
}

// The clock's settings: radio groups 2-3 and 5, texts 4 and 7-9 with the
// description's own texts, check boxes 6, 10 and 14, the colour request 12.
static void IndicatorLayout(FakeDialog &dialog) {
  RadioGroup(dialog, {2, 3});
  dialog.items[2].status = 1;
  RadioGroup(dialog, {5});
  strcpy(dialog.items[4].text, " %H:%M:%S ");
  strcpy(dialog.items[7].text, "3000");
  strcpy(dialog.items[8].text, "0");
  strcpy(dialog.items[9].text, "0");
  for (int item : {6, 10, 14, 21})
    dialog.items[item];
  dialog.items[12].momentary = 1;
}

// The colour picker: foreground group 0-15 (values 0..15), background
// group 16-31 (values 0x00..0xF0), the sample 243. Group 0 would mean no
// group, so the foreground's is named 100.
static void ColourLayout(FakeDialog &dialog) {
  for (int i = 0; i < 16; i++) {
    dialog.items[i].group = 100;
    dialog.items[i].value = i;
    dialog.items[16 + i].group = 16;
    dialog.items[16 + i].value = i * 16;
  }
  dialog.items[0].status = 1;
  dialog.items[16].status = 1;
  dialog.items[243];
}

// The calendar: cells 1-42 in one radio group, the buttons above them; the
// year picker's text and the month picker's group 1-12.
static void CalendarLayout(FakeDialog &dialog) {
  for (int cell = 1; cell <= CALENDAR_CELLS; cell++) {
    dialog.items[cell].group = 1;
    dialog.items[cell].value = cell;
    dialog.items[cell].record.Type = DI_RADIOBUTTON;
    dialog.items[cell].record.Flags = cell == 1 ? DIF_GROUP : 0;
    strcpy(dialog.items[cell].text, "  ");
  }
  for (int item = STEP_BACK; item <= CALENDAR_TODAY; item++)
    dialog.items[item].record.Type = DI_BUTTON;
  for (int heading = 43; heading <= 49; heading++)
    dialog.items[heading].record.Type = DI_TEXT;
}

static void CalendarWeeksLayout(FakeDialog &dialog) {
  CalendarLayout(dialog);
  for (int row = 0; row < CALENDAR_ROWS; row++)
    dialog.items[WEEK_NUMBER_FIRST + row];
}

static void YearLayout(FakeDialog &dialog) { dialog.items[PICK_VALUE]; }

static void MonthLayout(FakeDialog &dialog) {
  for (int month = 1; month <= 12; month++) {
    dialog.items[month].group = 1;
    dialog.items[month].value = month;
  }
}

void InstallFakeDialogs() {
  delete TheLibrary;
  TheLibrary = new FakeDialogLibrary;
  FakeDialogs().layouts["Main"] = PresetLayout;
  FakeDialogs().layouts["Free"] = FreeFormatLayout;
  FakeDialogs().layouts["Main2"] = CalendarSettingsLayout;
  FakeDialogs().layouts["Auto"] = AutoLayout;
  FakeDialogs().layouts["Menu"] = QuickFormatLayout;
  FakeDialogs().layouts["Indicator"] = IndicatorLayout;
  FakeDialogs().layouts["Color Select"] = ColourLayout;
  FakeDialogs().layouts["Calendar"] = CalendarLayout;
  FakeDialogs().layouts["Weeks"] = CalendarWeeksLayout;
  FakeDialogs().layouts["Set Year"] = YearLayout;
  FakeDialogs().layouts["Set Month"] = MonthLayout;
  Dialogs.LoadDialogEx = FakeLoadDialogEx;
  Dialogs.FreeDialog = FakeFreeDialog;
  Dialogs.ShowDialog = FakeShowDialog;
  Dialogs.GetItemStatus = FakeGetItemStatus;
  Dialogs.GetItemData = FakeGetItemData;
  Dialogs.GetItemAddr = FakeGetItemAddr;
  Dialogs.GetRadioStatus = FakeGetRadioStatus;
  Dialogs.SetItemStatus = FakeSetItemStatus;
  Dialogs.SetRadioStatus = FakeSetRadioStatus;
  Dialogs.SetItemColor = FakeSetItemColor;
  Dialogs.HideItem = FakeHideItem;
  Dialogs.RestoreItem = FakeRestoreItem;
  Dialogs.SetItemFocus = FakeSetItemFocus;
  DialogLibraryReady = 1;
}
