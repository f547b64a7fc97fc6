/* farhost: the host stand-in. Loads plugins from a plugins folder and
   runs the panels, editor and viewer with the plugin and configuration
   menus, interactively or from a key script. */
#include "clipboard_io.h"
#include "console_io.h"
#include "editor_text.h"
#include "host_app.h"
#include "host_log.h"
#include "host_state.h"
#include "input.h"
#include "message.h"
#include "options.h"
#include "panels.h"
#include "plugin_loader.h"
#include "plugin_table.h"
#include "screen.h"
#include "win32_sources.h"

#include <stdio.h>
#include <string.h>
#include <windows.h>

namespace {

HostOptions Options;
HostKey ScriptKeys[KEY_SCRIPT_MAX];
FILE *OutputFile = nullptr;

void WriteOut(const char *text, int length) {
  fwrite(text, 1, length, OutputFile ? OutputFile : stdout);
}

/* One result line; control bytes and backslashes escaped so that each
   line stays one line. */
void WriteResult(const char *label, const char *text) {
  static char line[2 * 65536];
  int n = snprintf(line, sizeof line, "%s: ", label);
  for (const char *p = text; *p && n < (int)sizeof line - 8; ++p) {
    unsigned char ch = (unsigned char)*p;
    if (ch == '\\')
      n += snprintf(line + n, sizeof line - n, "\\\\");
    else if (ch == '\n')
      n += snprintf(line + n, sizeof line - n, "\\n");
    else if (ch == '\r')
      n += snprintf(line + n, sizeof line - n, "\\r");
    else if (ch == '\t')
      n += snprintf(line + n, sizeof line - n, "\\t");
    else if (ch < 32)
      n += snprintf(line + n, sizeof line - n, "\\x%02X", ch);
    else
      line[n++] = (char)ch;
  }
  line[n++] = '\n';
  WriteOut(line, n);
}

void WriteDump(void) {
  static char screen[(SCREEN_MAX_WIDTH + 1) * SCREEN_MAX_HEIGHT + 1];
  int n = ConsoleReadScreen(screen, sizeof screen);
  const char head[] = "--- screen ---\n", tail[] = "--- end of screen ---\n";
  WriteOut(head, sizeof head - 1);
  WriteOut(screen, n);
  WriteOut(tail, sizeof tail - 1);
}

void DefaultPluginsFolder(char *out, int size) {
  char exe[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, exe, sizeof exe);
  if (n == 0 || n >= sizeof exe)
    snprintf(exe, sizeof exe, ".\\farhost.exe");
  char *cut = strrchr(exe, '\\');
  if (cut)
    *cut = 0;
  snprintf(out, size, "%s\\Plugins", exe);
}

void ReportEnd(void) {
  static char text[EDITOR_MAX_LINES * 64];
  WriteResult("cmdline", CommandLine.Text);
  EditorGetText(text, sizeof text);
  WriteResult("editor", text);
  LeaveRestrictedWindowStation();
  if (!ReadClipboardText(text, sizeof text))
    text[0] = 0;
  /* Clipboard text is ANSI; what a person reads on the console is OEM. The
     output file keeps the bytes as they are. */
  if (!OutputFile)
    CharToOemA(text, text);
  WriteResult("clipboard", text);
  if (Options.DumpAtEnd)
    WriteDump();
}

} // namespace

int main(int argc, char **argv) {
  char error[300];
  if (!ParseHostOptions(argc, argv, &Options, error, sizeof error)) {
    fprintf(stderr, "farhost: %s\n%s", error, HostUsage);
    return 2;
  }
  if (Options.Help) {
    fputs(HostUsage, stdout);
    return 0;
  }
  int keyCount = 0;
  if (Options.Scripted) {
    keyCount = ParseKeyScript(Options.Keys, ScriptKeys, KEY_SCRIPT_MAX, error, sizeof error);
    if (keyCount < 0) {
      fprintf(stderr, "farhost: keys: %s\n", error);
      return 2;
    }
  }
  if (!HostLogOpen(Options.Log[0] ? Options.Log : nullptr)) {
    fprintf(stderr, "farhost: cannot write the log %s\n", Options.Log);
    return 2;
  }
  if (Options.Output[0] && !(OutputFile = fopen(Options.Output, "wb"))) {
    fprintf(stderr, "farhost: cannot write %s\n", Options.Output);
    return 2;
  }
  if (Options.SetClipboard && !PutClipboardText(Options.Clipboard))
    fprintf(stderr, "farhost: could not put the text on the clipboard\n");
  if (Options.NoClipboardRights && !EnterRestrictedWindowStation()) {
    fprintf(stderr, "farhost: cannot leave the clipboard rights behind (window station)\n");
    return 3;
  }
  int width = Options.Width, height = Options.Height;
  if (Options.Scripted && !width) {
    width = 80;
    height = 25;
  }
  if (!ConsoleOpen(width, height)) {
    fprintf(stderr, "farhost: no console; run it in a terminal (scripts/wine-run farhost.exe)\n");
    return 2;
  }
  ScreenSetFlushHook(ConsoleFlush);
  MessageSetErrorSource(ReadLastSystemError);
  InputSetDumpWriter(WriteDump);
  if (Options.Scripted)
    InputSetScript(ScriptKeys, keyCount);
  else
    InputSetReader(ConsoleReadKey);

  PanelSetLister(ListFolder);
  char folder[MAX_PATH];
  if (Options.Folder[0])
    snprintf(folder, sizeof folder, "%s", Options.Folder);
  else if (!GetCurrentDirectoryA(sizeof folder, folder))
    snprintf(folder, sizeof folder, "C:\\");
  if (!PanelOpenFolder(folder))
    fprintf(stderr, "farhost: cannot list %s\n", folder);

  char plugins[OPTION_TEXT_SIZE];
  if (Options.PluginsFolder[0])
    snprintf(plugins, sizeof plugins, "%s", Options.PluginsFolder);
  else
    DefaultPluginsFolder(plugins, sizeof plugins);
  HostLog("host: language %s, root key %s, plugins %s", Options.Language, Options.RootKey, plugins);
  if (LoadPlugins(plugins, Options.Language, Options.RootKey) == 0)
    fprintf(stderr, "farhost: no plugin loaded from %s\n", plugins);

  int area = Options.StartArea;
  if (area == AREA_EDITOR && !OpenEditorFile(Options.File))
    fprintf(stderr, "farhost: cannot read %s; the editor starts empty\n", Options.File);
  if (area == AREA_VIEWER && !OpenViewerFile(Options.File))
    fprintf(stderr, "farhost: cannot read %s\n", Options.File);

  RunHost(area);

  if (InputRanOutInside() > 1) {
    fprintf(stderr, "farhost: the keys ran out inside a window; it was closed as with Esc\n");
    HostLog("host: the keys ran out inside a window");
  }
  ConsoleClose();
  ReportEnd();
  if (OutputFile)
    fclose(OutputFile);
  fflush(stdout);
  HostLogClose();
  return 0;
}
