#include "host_app.h"

#include "editor_text.h"
#include "host_log.h"
#include "host_state.h"
#include "input.h"
#include "message.h"
#include "palette.h"
#include "panels.h"
#include "plugin_menus.h"
#include "screen.h"
#include "viewer.h"

#include <stdio.h>
#include <string.h>

namespace {

char EditorFile[HOST_PATH_SIZE] = "";
char ViewerFile[HOST_PATH_SIZE] = "";
char FileBuffer[VIEWER_MAX_TEXT];

const char ViewerNote[] =
    "The host stand-in's viewer.\r\n"
    "Give a file with --file, or press F3 on a file in the panels.\r\n"
    "F11 opens the plugin menu; from here plugins put text on the clipboard.\r\n";

int ReadWholeFile(const char *path, int *length) {
  *length = 0;
  FILE *f = path && path[0] ? fopen(path, "rb") : nullptr;
  if (!f)
    return 0;
  *length = (int)fread(FileBuffer, 1, sizeof FileBuffer, f);
  fclose(f);
  return 1;
}

void DrawKeyBar(const char *const *labels) {
  int y = ScreenHeight() - 1;
  int width = ScreenWidth();
  ScreenFill(0, y, width - 1, y, ' ', PAL_KEYBAR_TEXT);
  int cell = width / 12;
  for (int k = 0; k < 12; ++k) {
    int x = k * cell;
    char number[4];
    snprintf(number, sizeof number, "%d", k + 1);
    int n = (int)strlen(number);
    ScreenPut(x, y, PAL_KEYBAR_NUMBER, number, n);
    ScreenFill(x + n, y, x + cell - 1, y, ' ', PAL_KEYBAR_TEXT);
    ScreenPut(x + n, y, PAL_KEYBAR_TEXT, labels[k], cell - n);
  }
}

void DrawStatus(const char *text) {
  ScreenFill(0, 0, ScreenWidth() - 1, 0, ' ', PAL_EDITOR_STATUS);
  ScreenPut(0, 0, PAL_EDITOR_STATUS, text, ScreenWidth());
}

void DrawArea(void) {
  static const char *const panelKeys[12] = {"Help", "", "View", "Edit", "",       "",
                                            "",     "", "Conf", "Quit", "Plugin", ""};
  static const char *const editorKeys[12] = {"", "Save", "", "",     "",       "",
                                             "", "",     "", "Quit", "Plugin", ""};
  static const char *const viewerKeys[12] = {"", "", "Quit", "",     "",       "",
                                             "", "", "",     "Quit", "Plugin", ""};
  const int w = ScreenWidth(), h = ScreenHeight();
  char status[300];
  if (CurrentArea == AREA_PANELS) {
    PanelDraw(0, 0, w - 1, h - 3);
    char prompt[HOST_PATH_SIZE + 2];
    snprintf(prompt, sizeof prompt, "%s>", PanelFolder());
    int promptLength = (int)strlen(prompt);
    if (promptLength > w / 2)
      promptLength = w / 2;
    ScreenFill(0, h - 2, w - 1, h - 2, ' ', PAL_CMDLINE);
    ScreenPut(0, h - 2, PAL_CMDLINE, prompt + strlen(prompt) - promptLength, promptLength);
    int cx = LineEditDraw(&CommandLine, promptLength, h - 2, w - promptLength - 1, PAL_CMDLINE, 0);
    DrawKeyBar(panelKeys);
    ScreenSetCursor(cx, h - 2, 1);
  } else if (CurrentArea == AREA_EDITOR) {
    int line, column;
    EditorGetCursor(&line, &column);
    snprintf(status, sizeof status, "%s  Line %d  Col %d",
             EditorFile[0] ? EditorFile : "(new text)", line + 1, column + 1);
    DrawStatus(status);
    int cx, cy;
    EditorDraw(0, 1, w - 1, h - 2, PAL_EDITOR, &cx, &cy);
    DrawKeyBar(editorKeys);
    ScreenSetCursor(cx, cy, 1);
  } else {
    snprintf(status, sizeof status, "%s", ViewerFile[0] ? ViewerFile : "(viewer)");
    DrawStatus(status);
    ViewerDraw(0, 1, w - 1, h - 2);
    DrawKeyBar(viewerKeys);
    ScreenSetCursor(0, 0, 0);
  }
  ScreenShow();
}

void ShowHostKeys(void) {
  const char *lines[] = {"Host stand-in",
                         "F11      plugin menu (panels, editor, viewer)",
                         "F9       plugins configuration (panels)",
                         "F4 / F3  edit / view the file under the cursor",
                         "F2       save, in the editor",
                         "F10      quit (back to the panels from the editor or viewer)",
                         "F1       in a plugin's menu: its help",
                         "Ok"};
  HostMessage(-1, 0, nullptr, lines, 8, 1);
}

void SaveEditorFile(void) {
  if (!EditorFile[0])
    return;
  static char text[EDITOR_MAX_LINES * 8];
  int length = EditorGetText(text, sizeof text);
  FILE *f = fopen(EditorFile, "wb");
  int ok = f && fwrite(text, 1, length, f) == (size_t)length;
  if (f)
    fclose(f);
  HostLog("editor: save %s -> %d", EditorFile, ok);
  if (!ok) {
    const char *lines[] = {"Editor", "Cannot save the file", EditorFile, "Ok"};
    HostMessage(-1, FMSG_WARNING, nullptr, lines, 4, 1);
  }
}

/* Keys of the current area; 0 when the host should end. */
int HandleAreaKey(const HostKey &key) {
  const int plain = !key.Mods;
  if (CurrentArea == AREA_PANELS) {
    if (key.Code == HK_F10 && plain)
      return 0;
    if ((key.Code == HK_F9 && (plain || key.Mods == (KEYMOD_ALT | KEYMOD_SHIFT)))) {
      RunConfigMenu();
      return 1;
    }
    if (key.Code == HK_F1 && plain) {
      ShowHostKeys();
      return 1;
    }
    if ((key.Code == HK_F3 || key.Code == HK_F4) && plain) {
      char path[HOST_PATH_SIZE];
      PanelCurrentPath(path, sizeof path);
      if (path[0]) {
        if (key.Code == HK_F4)
          OpenEditorFile(path);
        else
          OpenViewerFile(path);
      }
      return 1;
    }
    if (key.Code == HK_ENTER && CommandLine.Length == 0 && PanelKey(&key))
      return 1;
    if (key.Code == HK_ENTER) {
      const char *lines[] = {"Command line", "The stand-in does not run commands;",
                             "the command line keeps its text.", "Ok"};
      HostMessage(-1, 0, nullptr, lines, 4, 1);
      return 1;
    }
    if (key.Code == HK_UP || key.Code == HK_DOWN || key.Code == HK_PGUP || key.Code == HK_PGDN ||
        ((key.Code == HK_HOME || key.Code == HK_END) && CommandLine.Length == 0)) {
      PanelKey(&key);
      return 1;
    }
    LineEditKey(&CommandLine, &key);
    return 1;
  }
  if (CurrentArea == AREA_EDITOR) {
    if ((key.Code == HK_F10 || key.Code == HK_ESC) && plain) {
      CurrentArea = AREA_PANELS;
      return 1;
    }
    if (key.Code == HK_F2 && plain) {
      SaveEditorFile();
      return 1;
    }
    EditorKey(&key);
    return 1;
  }
  if ((key.Code == HK_F10 || key.Code == HK_ESC || key.Code == HK_F3) && plain) {
    CurrentArea = AREA_PANELS;
    return 1;
  }
  ViewerKey(&key);
  return 1;
}

} // namespace

int OpenEditorFile(const char *path) {
  snprintf(EditorFile, sizeof EditorFile, "%s", path ? path : "");
  int length = 0;
  int ok = ReadWholeFile(path, &length);
  EditorSetText(FileBuffer, length);
  CurrentArea = AREA_EDITOR;
  HostLog("editor: %s (%d bytes)", EditorFile[0] ? EditorFile : "new text", length);
  return ok || !EditorFile[0];
}

int OpenViewerFile(const char *path) {
  snprintf(ViewerFile, sizeof ViewerFile, "%s", path ? path : "");
  int length = 0;
  int ok = ReadWholeFile(path, &length);
  if (ok)
    ViewerSetText(FileBuffer, length);
  else
    ViewerSetText(ViewerNote, (int)sizeof ViewerNote - 1);
  CurrentArea = AREA_VIEWER;
  HostLog("viewer: %s (%d bytes)", ViewerFile[0] ? ViewerFile : "note", length);
  return ok || !ViewerFile[0];
}

const char *EditorFileName(void) { return EditorFile; }

void RunHost(int startArea) {
  CurrentArea = startArea;
  for (;;) {
    DrawArea();
    HostKey key;
    if (!InputNext(&key))
      break;
    if (key.Code == HK_F11 && !key.Mods) {
      RunPluginsMenu(CurrentArea);
      continue;
    }
    if (!HandleAreaKey(key))
      break;
  }
  HostLog("host: end in %s", AreaName(CurrentArea));
}
