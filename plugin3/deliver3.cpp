// The places a call comes from, and the menus' delivery with its
// questions and notes.
#include <string.h>

#include "plugin3/date_text3.h"
#include "plugin3/delivery3.h"
#include "plugin3/host3.h"
#include "plugin3/settings3.h"

struct Place3 PlaceOfOpen(const struct OpenInfo *info) {
  struct Place3 place = {TARGET_COMMAND_LINE, NULL};
  if (info->OpenFrom == OPEN_EDITOR)
    place.Target = TARGET_EDITOR;
  else if (info->OpenFrom == OPEN_VIEWER)
    place.Target = TARGET_CLIPBOARD;
  else if (info->OpenFrom == OPEN_DIALOG) {
    const struct OpenDlgPluginData *data = (const struct OpenDlgPluginData *)info->Data;
    place.Target = TARGET_DIALOG;
    place.Dialog = data && data->StructSize >= sizeof *data ? data->hDlg : NULL;
  }
  return place;
}

struct Place3 PlaceOfCurrentWindow(void) {
  struct Place3 place = {TARGET_NONE, NULL};
  struct WindowInfo window;
  memset(&window, 0, sizeof window);
  window.StructSize = sizeof window;
  window.Pos = -1;
  if (!Far.AdvControl || !Far.AdvControl(&PluginGuid, ACTL_GETWINDOWINFO, 0, &window))
    return place;
  if (window.Type == WTYPE_EDITOR)
    place.Target = TARGET_EDITOR;
  else if (window.Type == WTYPE_PANELS)
    place.Target = TARGET_COMMAND_LINE;
  else if (window.Type == WTYPE_DIALOG) {
    // A dialog's window names the dialog's handle.
    place.Target = TARGET_DIALOG;
    place.Dialog = (HANDLE)window.Id;
  }
  return place;
}

// "Insert anyway" (1) or "Back" (0) for a format whose text hides a
// mistake, named as the format dialogs' preview names it.
static int InsertAnyway(const struct DateText3 *date) {
  const wchar_t *lines[5] = {Msg3(MSG3_MISTAKE_TITLE), Msg3(MSG3_MISTAKE_NOTE), date->MistakeLine,
                             Msg3(MSG3_INSERT_ANYWAY), Msg3(MSG3_MISTAKE_BACK)};
  return ShowMessage3(FMSG_WARNING, lines, 5, 2) == 0;
}

static int ClipboardNoteWanted3(void) {
  HANDLE settings = OpenSettings3();
  size_t key = SettingsKey3(settings, FSSF_ROOT, L"Auto", 0);
  unsigned long long wanted = ReadNumber3(settings, key, L"ClipboardNote", 1);
  CloseSettings3(settings);
  return wanted != 0;
}

int DeliverFormat3(const wchar_t *format, const struct Place3 *place) {
  static struct DateText3 date;
  enum DateVerdict verdict = MakeDateText3(format, &date);
  if (verdict == DATE_EMPTY_FORMAT || verdict == DATE_NO_TEXT) {
    ShowNote3(verdict == DATE_EMPTY_FORMAT ? MSG3_FORMAT_EMPTY : MSG3_TEXT_EMPTY, 0);
    return 0;
  }
  if (verdict == DATE_SILENT_MISTAKE && !InsertAnyway(&date))
    return 0;
  enum Outcome3 outcome = PutText3(date.Text, place);
  if (outcome == PUT_READ_ONLY)
    ShowNote3(MSG3_EDITOR_READ_ONLY, FMSG_WARNING);
  else if (outcome == PUT_NO_FIELD)
    ShowNote3(MSG3_NO_FIELD, FMSG_WARNING);
  else if (outcome == PUT_DONE && place->Target == TARGET_CLIPBOARD && ClipboardNoteWanted3())
    ShowNote3(MSG3_ON_CLIPBOARD, 0);
  return outcome == PUT_DONE;
}
