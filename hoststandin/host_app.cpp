#include "host_app.h"

#include "editor_text.h"
#include "host_log.h"
#include "host_state.h"
#include "host_texts.h"
#include "hotkey_text.h"
#include "input.h"
#include "lng_file.h"
#include "message.h"
#include "options.h"
#include "palette.h"
#include "panels.h"
#include "plugin_menus.h"
#include "screen.h"
#include "status_clock.h"
#include "text_units.h"
#include "viewer.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

char EditorFile[HOST_PATH_SIZE] = "";
char ViewerFile[HOST_PATH_SIZE] = "";
/* Told once the editor shows: why its file opened read-only. */
const char *EditorNotice[3] = {nullptr, nullptr, nullptr};
ClipboardTextReader ClipboardReader = nullptr;
HostPluginActions Actions = {nullptr, nullptr, nullptr};

enum FileRead { FILE_MISSING, FILE_UNREADABLE, FILE_READ, FILE_TOO_LARGE };

/* Up to limit bytes of a file. */
FileRead ReadFileBytes(const char *path, int limit, std::string *bytes) {
  bytes->clear();
  FILE *f = path && path[0] ? fopen(path, "rb") : nullptr;
  if (!f)
    return path && path[0] && errno != ENOENT ? FILE_UNREADABLE : FILE_MISSING;
  char block[16384];
  size_t n;
  while ((n = fread(block, 1, sizeof block, f)) > 0 && (int)bytes->size() <= limit)
    bytes->append(block, n);
  FileRead result = ferror(f) ? FILE_UNREADABLE : FILE_READ;
  fclose(f);
  if (result == FILE_READ && (int)bytes->size() > limit) {
    bytes->resize(limit);
    result = FILE_TOO_LARGE;
  }
  return result;
}

/* A file the user may not write (read-only, or without write permission,
   which Windows and Wine both report as read-only). */
int MayNotBeWritten(const char *path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

void Tell(const char *title, const char *line1, const char *line2, const char *line3) {
  const char *lines[5] = {title, line1};
  int n = 2;
  if (line2)
    lines[n++] = line2;
  if (line3)
    lines[n++] = line3;
  lines[n++] = HostText(HT_OK);
  HostMessage(-1, FMSG_WARNING, nullptr, lines, n, 1);
}

/* The key bar: each key's text (HT_NONE for none). */
void DrawKeyBar(const int *labels) {
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
    ScreenPut(x + n, y, PAL_KEYBAR_TEXT, HostText(labels[k]), cell - n);
  }
}

void DrawStatus(const char *text) {
  ScreenFill(0, 0, ScreenWidth() - 1, 0, ' ', PAL_EDITOR_STATUS);
  ScreenPut(0, 0, PAL_EDITOR_STATUS, text, ScreenWidth());
}

int ShownMinute = -1; /* the editor's clock, -1 before it is drawn */

/* The editor's clock, over the right end of the status line. */
void DrawStatusClock(void) {
  int minute = StatusClockMinute();
  char text[STATUS_CLOCK_WIDTH + 1];
  StatusClockText(minute, text);
  ScreenPut(ScreenWidth() - STATUS_CLOCK_WIDTH, 0, PAL_EDITOR_STATUS, text, STATUS_CLOCK_WIDTH);
  if (minute != ShownMinute)
    HostLog("editor: clock %s", text);
  ShownMinute = minute;
}

void DrawArea(void) {
  static const int panelKeys[12] = {HT_KEY_HELP, 0,           HT_KEY_VIEW, HT_KEY_EDIT,   0, 0, 0,
                                    0,           HT_KEY_CONF, HT_KEY_QUIT, HT_KEY_PLUGIN, 0};
  static const int editorKeys[12] = {0,           HT_KEY_SAVE,   0, 0, 0, 0, 0, 0, 0,
                                     HT_KEY_QUIT, HT_KEY_PLUGIN, 0};
  static const int viewerKeys[12] = {0, 0,           HT_KEY_QUIT,   0, 0, 0, 0, 0,
                                     0, HT_KEY_QUIT, HT_KEY_PLUGIN, 0};
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
    if (EditorLine(line))
      column = TextCells(EditorLine(line), column); /* characters, not bytes */
    snprintf(status, sizeof status, "%s%s  %s %d  %s %d%s%s",
             EditorFile[0] ? EditorFile : HostText(HT_NEW_TEXT), EditorModified() ? " *" : "",
             HostText(HT_LINE), line + 1, HostText(HT_COLUMN), column + 1,
             EditorReadOnly() ? "  " : "", EditorReadOnly() ? HostText(HT_READ_ONLY) : "");
    DrawStatus(status);
    DrawStatusClock();
    int cx, cy;
    EditorDraw(0, 1, w - 1, h - 2, PAL_EDITOR, &cx, &cy);
    DrawKeyBar(editorKeys);
    ScreenSetCursor(cx, cy, 1);
  } else {
    snprintf(status, sizeof status, "%s", ViewerFile[0] ? ViewerFile : HostText(HT_VIEWER));
    DrawStatus(status);
    ViewerDraw(0, 1, w - 1, h - 2);
    DrawKeyBar(viewerKeys);
    ScreenSetCursor(0, 0, 0);
  }
  ScreenShow();
}

void ShowHostKeys(void) {
  const char *lines[13];
  int n = 0;
  for (int id = HT_HOST_KEYS; id <= HT_KEYS_ALT_U; ++id)
    lines[n++] = HostText(id);
  lines[n++] = HostText(HT_OK);
  HostMessage(-1, 0, nullptr, lines, n, 1);
}

/* Writes the text as edited, line ends and all; 1 when it was saved. */
int SaveEditorFile(void) {
  if (!EditorFile[0]) {
    Tell(HostText(HT_EDITOR), HostText(HT_NO_FILE), nullptr, nullptr);
    return 0;
  }
  if (EditorReadOnly()) {
    Tell(HostText(HT_EDITOR), HostText(HT_OPENED_READ_ONLY), HostText(HT_NOT_SAVED), EditorFile);
    return 0;
  }
  std::vector<char> text((size_t)EditorTextLength() + 1);
  int length = EditorGetText(text.data(), (int)text.size());
  // Written beside the file and then put in its place, so that a full disk
  // or a failed write leaves the file as it was, never half written.
  char written[HOST_PATH_SIZE + 8];
  int named = snprintf(written, sizeof written, "%s.saving", EditorFile) < (int)sizeof written;
  errno = 0;
  FILE *f = named ? fopen(written, "wb") : nullptr;
  int ok = f && fwrite(text.data(), 1, length, f) == (size_t)length;
  if (f && fclose(f) != 0)
    ok = 0;
  const char *why = HostText(HT_NOT_WRITTEN);
  if (!ok)
    HostLog("editor: write %s: %s", written, errno ? strerror(errno) : "no file");
  // An existing file is replaced keeping its attributes (the replaced one
  // named from the root, as ReplaceFile wants); a new one named.
  char full[HOST_PATH_SIZE];
  DWORD fullLength = GetFullPathNameA(EditorFile, sizeof full, full, NULL);
  int exists = GetFileAttributesA(EditorFile) != INVALID_FILE_ATTRIBUTES;
  if (ok && (fullLength == 0 || fullLength >= sizeof full))
    ok = 0;
  if (ok && !(exists ? ReplaceFileA(full, written, NULL, 0, NULL, NULL)
                     : MoveFileExA(written, EditorFile, 0))) {
    ok = 0;
    why = HostText(HT_NOT_REPLACED);
  }
  if (!ok && f)
    DeleteFileA(written);
  HostLog("editor: save %s (%d bytes) -> %d", EditorFile, length, ok);
  if (!ok) {
    Tell(HostText(HT_EDITOR), HostText(HT_CANNOT_SAVE), EditorFile, why);
    return 0;
  }
  EditorMarkSaved();
  return 1;
}

/* F10 or Esc in the editor: a changed file is saved, or left, only when the
   person says so; 0 keeps the editor open. */
int MayLeaveEditor(void) {
  if (!EditorModified() || !EditorFile[0])
    return 1;
  const char *lines[] = {HostText(HT_EDITOR), HostText(HT_CHANGED),   EditorFile,
                         HostText(HT_SAVE),   HostText(HT_DONT_SAVE), HostText(HT_CANCEL)};
  switch (HostMessage(-1, FMSG_WARNING, nullptr, lines, 6, 3)) {
  case 0:
    return SaveEditorFile();
  case 1:
    return 1;
  default:
    return 0;
  }
}

int IsPasteKey(const HostKey &key) {
  return (key.Code == HK_INS && key.Mods == KEYMOD_SHIFT) ||
         (key.Code == 0 && key.Char == 'v' && key.Mods == KEYMOD_CTRL);
}

/* The clipboard's text, "" when it holds none. */
std::string ClipboardText(void) {
  static char text[PASTE_MAX];
  if (!ClipboardReader || !ClipboardReader(text, sizeof text))
    return "";
  return text;
}

void ShowEditorNotice(void) {
  if (EditorNotice[0] && CurrentArea == AREA_EDITOR)
    Tell(HostText(HT_EDITOR), EditorNotice[0], EditorNotice[1], EditorNotice[2]);
  EditorNotice[0] = nullptr;
}

/* F3 and F4 on the panels: the file under the cursor in the viewer or the
   editor. */
void OpenPanelFile(int code) {
  char path[HOST_PATH_SIZE];
  PanelCurrentPath(path, sizeof path);
  if (!path[0])
    return;
  if (code == HK_F4)
    OpenEditorFile(path);
  else
    OpenViewerFile(path);
}

/* Keys of the panels and their command line; 0 when the host should end. */
int HandlePanelsKey(const HostKey &key) {
  const int plain = !key.Mods;
  if (key.Code == HK_F10 && plain)
    return 0;
  if ((key.Code == HK_F9 && (plain || key.Mods == (KEYMOD_ALT | KEYMOD_SHIFT))))
    RunConfigMenu();
  else if (key.Code == HK_F1 && plain)
    ShowHostKeys();
  else if ((key.Code == HK_F3 || key.Code == HK_F4) && plain)
    OpenPanelFile(key.Code);
  else if (key.Code == HK_ENTER && CommandLine.Length == 0 && PanelKey(&key))
    return 1;
  else if (key.Code == HK_ENTER) {
    const char *lines[] = {HostText(HT_COMMAND_LINE), HostText(HT_NO_COMMANDS),
                           HostText(HT_TEXT_KEPT), HostText(HT_OK)};
    HostMessage(-1, 0, nullptr, lines, 4, 1);
  } else if (key.Code == HK_ESC && plain)
    LineEditSet(&CommandLine, "", 0, LINE_EDIT_SIZE);
  else if (IsPasteKey(key)) {
    /* The command line holds one line: the clipboard's first. */
    std::string text = ClipboardText();
    LineEditInsert(&CommandLine, text.substr(0, text.find_first_of("\r\n")).c_str());
  } else if (key.Code == HK_UP || key.Code == HK_DOWN || key.Code == HK_PGUP ||
             key.Code == HK_PGDN ||
             ((key.Code == HK_HOME || key.Code == HK_END) && CommandLine.Length == 0))
    PanelKey(&key);
  else
    LineEditKey(&CommandLine, &key);
  return 1;
}

void HandleEditorKey(const HostKey &key) {
  if ((key.Code == HK_F10 || key.Code == HK_ESC) && !key.Mods) {
    if (MayLeaveEditor())
      CurrentArea = AREA_PANELS;
  } else if (key.Code == HK_F2 && !key.Mods)
    SaveEditorFile();
  else if (IsPasteKey(key))
    EditorInsertText(ClipboardText().c_str());
  else
    EditorKey(&key);
}

void HandleViewerKey(const HostKey &key) {
  if ((key.Code == HK_F10 || key.Code == HK_ESC || key.Code == HK_F3) && !key.Mods)
    CurrentArea = AREA_PANELS;
  else
    ViewerKey(&key);
}

/* Keys of the current area; 0 when the host should end. */
int HandleAreaKey(const HostKey &key) {
  if (CurrentArea == AREA_PANELS)
    return HandlePanelsKey(key);
  if (CurrentArea == AREA_EDITOR)
    HandleEditorKey(key);
  else
    HandleViewerKey(key);
  return 1;
}

/* The console title, given in OEM as typed; set, and logged, in the ANSI
   code page, as the console's state is logged. */
void SetTitle(const char *oem, int length) {
  char title[HOST_PATH_SIZE + 32];
  if (length > (int)sizeof title - 1)
    length = (int)sizeof title - 1;
  memcpy(title, oem, length);
  title[length] = 0;
  OemToCharA(title, title);
  SetConsoleTitleA(title);
  char quoted[256];
  QuoteForLog(title, 200, quoted, sizeof quoted);
  HostLog("host: title %s", quoted);
}

int IsAltLetter(const HostKey &key, int letter) {
  return key.Code == 0 && key.Mods == KEYMOD_ALT && OemLower(key.Char) == letter;
}

void SwitchLanguage(const char *name) {
  HostLanguageName(name, HostLanguage, sizeof HostLanguage);
  HostLog("host: language %s", HostLanguage);
  if (Actions.SwitchLanguage)
    Actions.SwitchLanguage(HostLanguage);
}

/* The host's own steps: scripted, or Alt+L (English and Russian in turn)
   and Alt+U on its screens. 1 when the key was one. */
int HandleHostStep(const HostKey &key) {
  if (key.Code == HK_TITLE) {
    SetTitle(key.Text, key.Char);
  } else if (key.Code == HK_LANGUAGE) {
    char name[HOST_LANGUAGE_SIZE];
    snprintf(name, sizeof name, "%.*s", key.Char, key.Text);
    SwitchLanguage(name);
  } else if (IsAltLetter(key, 'l')) {
    SwitchLanguage(LanguageMatches(HostLanguage, "Russian") ? "English" : "Russian");
  } else if (key.Code == HK_CALL) {
    HostLog("host: macro Call %.*s", key.Char, key.Text);
    if (Actions.CallMacro)
      Actions.CallMacro(key.Text, key.Char);
  } else if (key.Code == HK_UNLOAD || IsAltLetter(key, 'u')) {
    HostLog("host: unload without ExitFAR");
    if (Actions.UnloadWithoutExit)
      Actions.UnloadWithoutExit();
  } else {
    return 0;
  }
  return 1;
}

} // namespace

int OpenEditorFile(const char *path) {
  snprintf(EditorFile, sizeof EditorFile, "%s", path ? path : "");
  /* A path cut to fit would name another file: a save must not write there. */
  const int pathFits = !path || strlen(path) < sizeof EditorFile;
  std::string bytes;
  FileRead read = pathFits ? ReadFileBytes(path, EDITOR_MAX_FILE, &bytes) : FILE_UNREADABLE;
  EditorSetText(bytes.data(), (int)bytes.size());
  EditorNotice[0] = nullptr;
  if (!pathFits) {
    EditorNotice[0] = HostText(HT_PATH_TOO_LONG);
    EditorNotice[1] = HostText(HT_OPENED_EMPTY);
  } else if (read == FILE_TOO_LARGE) {
    static char size[80];
    snprintf(size, sizeof size, HostText(HT_TOO_LARGE), EDITOR_MAX_FILE);
    EditorNotice[0] = size;
    EditorNotice[1] = HostText(HT_OPENED_START);
  } else if (read == FILE_UNREADABLE) {
    EditorNotice[0] = HostText(HT_UNREADABLE);
    EditorNotice[1] = HostText(HT_OPENED_EMPTY);
  } else if (bytes.find('\0') != std::string::npos) {
    EditorNotice[0] = HostText(HT_NUL_BYTES);
    EditorNotice[1] = HostText(HT_OPENED_READ_ONLY_AS_IS);
  } else if (read == FILE_READ && MayNotBeWritten(path)) {
    EditorNotice[0] = HostText(HT_NO_WRITE_PERMISSION);
    EditorNotice[1] = HostText(HT_OPENED_READ_ONLY_AS_IS);
  }
  EditorNotice[2] = EditorNotice[0] ? EditorFile : nullptr;
  EditorSetReadOnly(EditorNotice[0] != nullptr);
  CurrentArea = AREA_EDITOR;
  HostLog("editor: %s (%d bytes%s)", EditorFile[0] ? EditorFile : "new text", (int)bytes.size(),
          EditorReadOnly() ? ", read-only" : "");
  return read == FILE_READ || !EditorFile[0];
}

int OpenViewerFile(const char *path) {
  snprintf(ViewerFile, sizeof ViewerFile, "%s", path ? path : "");
  std::string bytes;
  FileRead read = ReadFileBytes(path, VIEWER_MAX_TEXT, &bytes);
  if (read == FILE_READ || read == FILE_TOO_LARGE)
    ViewerSetText(bytes.data(), (int)bytes.size());
  else
    ViewerSetText(HostText(HT_VIEWER_NOTE), (int)strlen(HostText(HT_VIEWER_NOTE)));
  CurrentArea = AREA_VIEWER;
  HostLog("viewer: %s (%d bytes)", ViewerFile[0] ? ViewerFile : "note", (int)bytes.size());
  return read == FILE_READ || !ViewerFile[0];
}

const char *EditorFileName(void) { return EditorFile; }

void HostSetClipboardReader(ClipboardTextReader reader) { ClipboardReader = reader; }

void HostSetPluginActions(HostPluginActions actions) { Actions = actions; }

void ShowAreaTitle(void) {
  char title[HOST_PATH_SIZE + 32];
  if (CurrentArea == AREA_PANELS)
    snprintf(title, sizeof title, "{%s} - farhost", PanelFolder());
  else
    snprintf(title, sizeof title, "%s - %s", CurrentArea == AREA_EDITOR ? "Edit" : "View",
             CurrentArea == AREA_EDITOR ? (EditorFile[0] ? EditorFile : "(new text)")
                                        : (ViewerFile[0] ? ViewerFile : "(viewer)"));
  SetConsoleTitleA(title);
}

/* While the editor waits for a key, its clock is written again when the
   minute turns, the whole screen with it, as the host does. */
static void RedrawClockOnTheMinute(void) {
  if (CurrentArea == AREA_EDITOR && StatusClockMinute() != ShownMinute)
    DrawArea();
}

void RunHost(int startArea) {
  InputSetIdle(RedrawClockOnTheMinute);
  CurrentArea = startArea;
  int titled = CurrentArea;
  for (;;) {
    /* A host names its screen in the console title whenever it changes. */
    if (CurrentArea != titled)
      ShowAreaTitle();
    titled = CurrentArea;
    DrawArea();
    ShowEditorNotice();
    HostKey key;
    if (!InputNextOnHost(&key))
      break;
    if (HandleHostStep(key))
      continue;
    if (key.Code == HK_F11 && !key.Mods) {
      RunPluginsMenu(CurrentArea);
      continue;
    }
    if (!HandleAreaKey(key))
      break;
  }
  HostLog("host: end in %s", AreaName(CurrentArea));
}
