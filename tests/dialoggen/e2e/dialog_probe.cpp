/* A plugin that only runs dialogs through Dialog.gen, for end-to-end tests
   with the host stand-in: each entry of its plugin menu runs one scenario
   and writes what came back (exit codes, states, texts) into the command
   line, where the stand-in reports it. */
#include <stdio.h>
#include <string.h>

#include "dialog_gen.h"

namespace {

struct PluginStartupInfo Host;
HINSTANCE ProbeModule;

struct {
  DG_LOADDIALOGEX LoadDialogEx;
  DG_FREEDIALOG FreeDialog;
  DG_SHOWDIALOG ShowDialog;
  DG_GETITEMSTATUS GetItemStatus;
  DG_SETITEMSTATUS SetItemStatus;
  DG_GETRADIOSTATUS GetRadioStatus;
  DG_SETRADIOSTATUS SetRadioStatus;
  DG_GETITEMDATA GetItemData;
  DG_GETITEMADDR GetItemAddr;
  DG_SETITEMCOLOR SetItemColor;
  DG_SETITEMFOCUS SetItemFocus;
  DG_INIT DG_Init;
} Lib;

const char *const MenuStrings[] = {"Probe: preset dialog", "Probe: calendar",
                                   "Probe: year and month", "Probe: every other dialog"};

template <typename T> void Bind(HMODULE library, const char *name, T *entry) {
  *entry = (T)(void *)GetProcAddress(library, name);
}

int BindLibrary(void) {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(ProbeModule, path, MAX_PATH);
  char *cut = n && n < MAX_PATH ? strrchr(path, '\\') : 0;
  if (!cut)
    return 0;
  snprintf(cut + 1, (size_t)(path + sizeof path - cut - 1), "%s", DIALOG_GEN_FILE_NAME);
  HMODULE library = LoadLibraryA(path);
  if (!library)
    return 0;
  Bind(library, "LoadDialogEx", &Lib.LoadDialogEx);
  Bind(library, "FreeDialog", &Lib.FreeDialog);
  Bind(library, "ShowDialog", &Lib.ShowDialog);
  Bind(library, "GetItemStatus", &Lib.GetItemStatus);
  Bind(library, "SetItemStatus", &Lib.SetItemStatus);
  Bind(library, "GetRadioStatus", &Lib.GetRadioStatus);
  Bind(library, "SetRadioStatus", &Lib.SetRadioStatus);
  Bind(library, "GetItemData", &Lib.GetItemData);
  Bind(library, "GetItemAddr", &Lib.GetItemAddr);
  Bind(library, "SetItemColor", &Lib.SetItemColor);
  Bind(library, "SetItemFocus", &Lib.SetItemFocus);
  Bind(library, "DG_Init", &Lib.DG_Init);
  return Lib.LoadDialogEx && Lib.FreeDialog && Lib.ShowDialog && Lib.GetItemStatus &&
         Lib.SetItemStatus && Lib.GetRadioStatus && Lib.SetRadioStatus && Lib.GetItemData &&
         Lib.GetItemAddr && Lib.SetItemColor && Lib.SetItemFocus && Lib.DG_Init;
}

void Report(const char *text) {
  Host.Control(INVALID_HANDLE_VALUE, FCTL_INSERTCMDLINE, (void *)text);
}

DialogHandle Load(const char *file, const char *name) {
  return Lib.LoadDialogEx(ProbeModule, Host.ModuleNumber, file, name);
}

/* The preset dialog of the language's own file: a save request, then an
   insert. */
void ProbePresetDialog(void) {
  DialogHandle d = Load(Host.GetMsg(Host.ModuleNumber, 59), "Main");
  if (!d) {
    Report("preset: no dialog");
    return;
  }
  int exit1 = Lib.ShowDialog(d);
  int save1 = Lib.GetItemStatus(d, 8);
  int exit2 = Lib.ShowDialog(d);
  int save2 = Lib.GetItemStatus(d, 8);
  char line[700];
  snprintf(line, sizeof line,
           "preset exit1=%d save1=%d exit2=%d save2=%d format=%s name=%s radio=%d quick=%d "
           "view=%d",
           exit1, save1, exit2, save2, Lib.GetItemData(d, 6), Lib.GetItemData(d, 4),
           Lib.GetRadioStatus(d, 1), Lib.GetItemStatus(d, 3), Lib.GetItemStatus(d, 11));
  Report(line);
  Lib.FreeDialog(d);
}

const int MarkTag = 0xF00F00;

/* Greys a cell the way the calendar does, keeping its type and flags in the
   last bytes of its text. */
void MarkCell(DialogHandle d, int cell) {
  FarDialogItem *r = Lib.GetItemAddr(d, cell);
  memcpy(r->Data + 508, &r->Flags, 4);
  memcpy(r->Data + 504, &r->Type, 4);
  memcpy(r->Data + 500, &MarkTag, 4);
  r->Type = DI_TEXT;
  Lib.SetItemColor(d, cell, 0x78);
}

int MarkKept(DialogHandle d, int cell) {
  const FarDialogItem *r = Lib.GetItemAddr(d, cell);
  int tag = 0, type = -1;
  memcpy(&tag, r->Data + 500, 4);
  memcpy(&type, r->Data + 504, 4);
  return tag == MarkTag && type == DI_RADIOBUTTON && r->Type == DI_TEXT;
}

/* The calendar: a cell chosen, a cancel, and Today. */
void ProbeCalendar(void) {
  DialogHandle d = Load("Calendar.dlg", "Calendar");
  if (!d) {
    Report("calendar: no dialog");
    return;
  }
  for (int n = 1; n <= 42; ++n)
    snprintf(Lib.GetItemData(d, n), 8, "%2d", n);
  snprintf(Lib.GetItemData(d, 51), 16, " %d ", 2024);
  snprintf(Lib.GetItemData(d, 54), 16, "%*s%s", 4, "", "May");
  MarkCell(d, 42);
  Lib.SetRadioStatus(d, 1, 10);
  Lib.SetItemFocus(d, 10);
  char line[300];
  int n = 0;
  for (int round = 1; round <= 3; ++round) {
    int exit = Lib.ShowDialog(d);
    n += snprintf(line + n, sizeof line - (size_t)n, "%sexit%d=%d chosen%d=%d",
                  round > 1 ? " " : "calendar ", round, exit, round, Lib.GetRadioStatus(d, 1));
  }
  snprintf(line + n, sizeof line - (size_t)n, " mark=%s", MarkKept(d, 42) ? "kept" : "lost");
  Report(line);
  Lib.FreeDialog(d);
}

/* The month picker, then the year picker with a typed year. */
void ProbePickers(void) {
  DialogHandle month = Load("Calendar.dlg", "Set Month");
  DialogHandle year = Load("Calendar.dlg", "Set Year");
  if (!month || !year) {
    Report("pickers: no dialog");
    return;
  }
  Lib.SetRadioStatus(month, 1, 3);
  int monthExit = Lib.ShowDialog(month);
  snprintf(Lib.GetItemData(year, 51), 16, "%d", 2024);
  int yearExit = Lib.ShowDialog(year);
  char line[700];
  snprintf(line, sizeof line, "pickers month_exit=%d month=%d year_exit=%d year=%s", monthExit,
           Lib.GetRadioStatus(month, 1), yearExit, Lib.GetItemData(year, 51));
  Report(line);
  Lib.FreeDialog(month);
  Lib.FreeDialog(year);
}

/* Every dialog not probed above, each shown once: the report says how each
   showing ended, or that the dialog did not load. */
void ProbeEveryOtherDialog(void) {
  const char *own = Host.GetMsg(Host.ModuleNumber, 59);
  struct {
    const char *File, *Name;
  } dialogs[] = {{own, "Main2"},
                 {own, "Auto"},
                 {own, "Menu"},
                 {own, "Indicator"},
                 {"color.dlg", "Color Select"},
                 {"Calendar.dlg", "Set Year"},
                 {"Calendar.dlg", "Set Month"}};
  char line[700] = "shown";
  for (const auto &dialog : dialogs) {
    DialogHandle d = Load(dialog.File, dialog.Name);
    size_t n = strlen(line);
    if (d)
      snprintf(line + n, sizeof line - n, " %s=%d", dialog.Name, Lib.ShowDialog(d));
    else
      snprintf(line + n, sizeof line - n, " %s=missing", dialog.Name);
    Lib.FreeDialog(d);
  }
  Report(line);
}

int Ready;

} // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH)
    ProbeModule = instance;
  return TRUE;
}

void WINAPI SetStartupInfo(const struct PluginStartupInfo *Info) {
  Host = *Info;
  Ready = BindLibrary();
  if (Ready)
    Lib.DG_Init(Host);
}

void WINAPI GetPluginInfo(struct PluginInfo *Info) {
  memset(Info, 0, sizeof *Info);
  Info->StructSize = sizeof *Info;
  Info->Flags = PF_EDITOR | PF_VIEWER;
  Info->PluginMenuStrings = MenuStrings;
  Info->PluginMenuStringsNumber = 4;
}

HANDLE WINAPI OpenPlugin(int, int Item) {
  if (!Ready)
    Report("no Dialog.gen");
  else if (Item == 0)
    ProbePresetDialog();
  else if (Item == 1)
    ProbeCalendar();
  else if (Item == 2)
    ProbePickers();
  else
    ProbeEveryOtherDialog();
  return INVALID_HANDLE_VALUE;
}

} // extern "C"
