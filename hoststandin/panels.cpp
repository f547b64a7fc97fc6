#include "panels.h"

#include "host_texts.h"
#include "palette.h"
#include "screen.h"

#include <stdio.h>
#include <string.h>

namespace {

PanelFile Files[PANEL_MAX_FILES];
int FileCount = 0;
int Current = 0, Top = 0;
char Folder[PANEL_NAME_SIZE] = "";
FolderLister Lister = nullptr;

void JoinPath(const char *folder, const char *name, char *out, int size) {
  int n = (int)strlen(folder);
  const char *sep = n && (folder[n - 1] == '\\' || folder[n - 1] == '/') ? "" : "\\";
  snprintf(out, size, "%s%s%s", folder, sep, name);
}

/* The parent of a folder path: its text up to the last separator. */
void ParentOf(const char *folder, char *out, int size) {
  snprintf(out, size, "%s", folder);
  int n = (int)strlen(out);
  while (n > 0 && (out[n - 1] == '\\' || out[n - 1] == '/'))
    out[--n] = 0;
  while (n > 0 && out[n - 1] != '\\' && out[n - 1] != '/')
    --n;
  if (n > 1 && out[n - 2] != ':')
    --n;
  out[n] = 0;
}

} // namespace

void PanelSetLister(FolderLister lister) { Lister = lister; }

int PanelOpenFolder(const char *folder) {
  if (!Lister || !folder)
    return 0;
  int n = Lister(folder, Files, PANEL_MAX_FILES);
  if (n < 0)
    return 0;
  FileCount = n;
  Current = Top = 0;
  snprintf(Folder, sizeof Folder, "%s", folder);
  return 1;
}

const char *PanelFolder(void) { return Folder; }
int PanelFileCount(void) { return FileCount; }

const PanelFile *PanelCurrentFile(void) {
  return Current >= 0 && Current < FileCount ? &Files[Current] : nullptr;
}

void PanelCurrentPath(char *out, int size) {
  const PanelFile *file = PanelCurrentFile();
  if (!file || file->IsFolder) {
    if (size > 0)
      out[0] = 0;
    return;
  }
  JoinPath(Folder, file->Name, out, size);
}

int PanelKey(const HostKey *key) {
  if (key->Mods & (KEYMOD_CTRL | KEYMOD_ALT))
    return 0;
  switch (key->Code) {
  case HK_UP:
    if (Current > 0)
      --Current;
    return 1;
  case HK_DOWN:
    if (Current + 1 < FileCount)
      ++Current;
    return 1;
  case HK_HOME:
    Current = 0;
    return 1;
  case HK_END:
    Current = FileCount ? FileCount - 1 : 0;
    return 1;
  case HK_PGUP:
    Current = Current > 10 ? Current - 10 : 0;
    return 1;
  case HK_PGDN:
    Current = Current + 10 < FileCount ? Current + 10 : (FileCount ? FileCount - 1 : 0);
    return 1;
  case HK_ENTER: {
    const PanelFile *file = PanelCurrentFile();
    if (!file || !file->IsFolder)
      return 0;
    char next[PANEL_NAME_SIZE];
    if (strcmp(file->Name, "..") == 0)
      ParentOf(Folder, next, sizeof next);
    else
      JoinPath(Folder, file->Name, next, sizeof next);
    PanelOpenFolder(next);
    return 1;
  }
  default:
    return 0;
  }
}

void PanelDraw(int x1, int y1, int x2, int y2) {
  ScreenFill(x1, y1, x2, y2, ' ', PAL_PANEL);
  ScreenBox(x1, y1, x2, y2, PAL_PANEL, 1, Folder);
  int rows = y2 - y1 - 1;
  if (Current < Top)
    Top = Current;
  if (Current >= Top + rows)
    Top = Current - rows + 1;
  int nameWidth = x2 - x1 - 14;
  for (int r = 0; r < rows && Top + r < FileCount; ++r) {
    const PanelFile &file = Files[Top + r];
    int y = y1 + 1 + r;
    int attr = Top + r == Current ? PAL_PANEL_CURSOR : file.IsFolder ? PAL_PANEL_DIR : PAL_PANEL;
    ScreenFill(x1 + 1, y, x2 - 1, y, ' ', attr);
    ScreenPut(x1 + 1, y, attr, file.Name, nameWidth);
    char size[16];
    if (file.IsFolder)
      snprintf(size, sizeof size, "%10s", HostText(HT_FOLDER));
    else
      snprintf(size, sizeof size, "%10llu", file.Size);
    ScreenPut(x2 - 11, y, attr, size, 10);
  }
}
