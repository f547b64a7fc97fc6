/* farhost: the host stand-in. Loads plugins from a plugins folder and
   runs the panels, editor and viewer with the plugin and configuration
   menus, interactively or from a key script. */
#include "clipboard_io.h"
#include "console_io.h"
#include "editor_text.h"
#include "face3_host.h"
#include "host_app.h"
#include "host_log.h"
#include "host_state.h"
#include "input.h"
#include "message.h"
#include "options.h"
#include "panels.h"
#include "plugin_loader.h"
#include "plugin_table.h"
#include "scratch_settings.h"
#include "screen.h"
#include "status_clock.h"
#include "text_units.h"
#include "win32_sources.h"

#include <io.h>
#include <locale.h>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

HostOptions Options;
HostKey ScriptKeys[KEY_SCRIPT_MAX];
FILE *OutputFile = nullptr;
/* A run with a 3.x plugin reports in UTF-8, screens included, since its
   editor, command line and clipboard hold Unicode. */
int UnicodeRun = 0;

/* The report. A person reading it on the console sees its OEM text as
   such, as the screens showed it; a file or a pipe gets the bytes. */
void WriteOut(const char *text, int length) {
  HANDLE out = (HANDLE)_get_osfhandle(_fileno(stdout));
  DWORD mode;
  if (OutputFile || !GetConsoleMode(out, &mode)) {
    fwrite(text, 1, length, OutputFile ? OutputFile : stdout);
    return;
  }
  fflush(stdout);
  WCHAR wide[4096];
  for (int done = 0; done < length;) {
    /* One byte is one character in the host's code page. */
    int n = length - done < 4096 ? length - done : 4096;
    int made =
        MultiByteToWideChar(UnicodeRun ? CP_UTF8 : HOST_CODE_PAGE, 0, text + done, n, wide, 4096);
    DWORD written = 0;
    WriteConsoleW(out, wide, (DWORD)made, &written, nullptr);
    done += n;
  }
}

/* One result line; control bytes and backslashes escaped so that each
   line stays one line. */
void WriteResult(const char *label, const char *text) {
  std::string line = std::string(label) + ": ";
  for (const char *p = text; *p; ++p) {
    unsigned char ch = (unsigned char)*p;
    char escape[8];
    if (ch == '\\')
      line += "\\\\";
    else if (ch == '\n')
      line += "\\n";
    else if (ch == '\r')
      line += "\\r";
    else if (ch == '\t')
      line += "\\t";
    else if (ch < 32) {
      snprintf(escape, sizeof escape, "\\x%02X", ch);
      line += escape;
    } else
      line += (char)ch;
  }
  line += '\n';
  WriteOut(line.data(), (int)line.size());
}

char Screen[(SCREEN_MAX_WIDTH + 1) * SCREEN_MAX_HEIGHT + 1];

void WriteScreen(const char *screen, int length) {
  const char head[] = "--- screen ---\n", tail[] = "--- end of screen ---\n";
  WriteOut(head, sizeof head - 1);
  if (UnicodeRun) {
    std::vector<WCHAR> wide((size_t)length + 1);
    int made = MultiByteToWideChar(HOST_CODE_PAGE, 0, screen, length, wide.data(), length + 1);
    std::vector<char> utf8((size_t)made * 3 + 1);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), made, utf8.data(), (int)utf8.size(),
                                    nullptr, nullptr);
    WriteOut(utf8.data(), bytes);
  } else
    WriteOut(screen, length);
  WriteOut(tail, sizeof tail - 1);
}

/* What a plugin must leave as it found it: the title and the code page. */
void LogConsoleState(const char *when) {
  char title[1024];
  if (!GetConsoleTitleA(title, sizeof title))
    title[0] = 0;
  HostLog("host: %s: console title \"%s\", output code page %u", when, title, GetConsoleOutputCP());
}

/* A dump step: the screen, and in the log the title and code page then. */
void WriteDump(void) {
  static int dumps = 0;
  char when[32];
  snprintf(when, sizeof when, "at dump %d", ++dumps);
  LogConsoleState(when);
  WriteScreen(Screen, ConsoleReadScreen(Screen, sizeof Screen));
}

int OemToUnicode(int oem) {
  char byte = (char)oem;
  WCHAR wide = '?';
  MultiByteToWideChar(HOST_CODE_PAGE, 0, &byte, 1, &wide, 1);
  return wide;
}

int UnicodeToOem(int unicode) {
  WCHAR wide = (WCHAR)unicode;
  char byte = '?';
  BOOL lost = FALSE;
  if (unicode > 0xFFFF ||
      !WideCharToMultiByte(HOST_CODE_PAGE, 0, &wide, 1, &byte, 1, nullptr, &lost) || lost)
    return '?';
  return (unsigned char)byte;
}

/* The clipboard's text for a paste: typed text is OEM, the clipboard's
   ANSI. */
int ReadClipboardForPaste(char *out, int size) {
  if (UnicodeRun)
    return ReadClipboardUtf8(out, size) && out[0];
  if (!ReadClipboardText(out, size) || !out[0])
    return 0;
  CharToOemA(out, out);
  return 1;
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
  WriteResult("cmdline", CommandLine.Text);
  std::vector<char> editor((size_t)EditorTextLength() + 1);
  EditorGetText(editor.data(), (int)editor.size());
  WriteResult("editor", editor.data());
  LeaveRestrictedWindowStation();
  static char text[PASTE_MAX];
  if (UnicodeRun) {
    ReadClipboardUtf8(text, sizeof text);
  } else {
    if (!ReadClipboardText(text, sizeof text))
      text[0] = 0;
    /* Clipboard text is ANSI; what a person reads on the console is OEM.
       The output file keeps the bytes as they are. */
    if (!OutputFile)
      CharToOemA(text, text);
  }
  WriteResult("clipboard", text);
  std::string macros = Face3MacroResults();
  for (size_t at = 0, end; (end = macros.find('\n', at)) != std::string::npos; at = end + 1)
    WriteResult("macro", macros.substr(at, end - at).c_str());
}

/* The options and the key script; 0 to go on, else the exit code. */
int ReadOptions(int argc, char **argv, int *keyCount) {
  char error[300];
  if (!ParseHostOptions(argc, argv, &Options, error, sizeof error)) {
    fprintf(stderr, "farhost: %s\n%s", error, HostUsage);
    return 2;
  }
  if (Options.Help) {
    fputs(HostUsage, stdout);
    return -1;
  }
  *keyCount = 0;
  if (!Options.Scripted)
    return 0;
  /* The command line arrives in the ANSI code page; keys are typed in the
     console's, as a person types them. */
  if (!Options.KeysFile[0])
    CharToOemA(Options.Keys, Options.Keys);
  *keyCount = ParseKeyScript(Options.Keys, ScriptKeys, KEY_SCRIPT_MAX, error, sizeof error);
  if (*keyCount < 0) {
    fprintf(stderr, "farhost: keys: %s\n", error);
    return 2;
  }
  return 0;
}

/* The log, the output file, the clipboard and the window station asked
   for; 0 to go on, else the exit code. */
int PrepareRun(void) {
  if (!HostLogOpen(Options.Log[0] ? Options.Log : nullptr)) {
    fprintf(stderr, "farhost: cannot write the log %s\n", Options.Log);
    return 2;
  }
  if (Options.Output[0] && !(OutputFile = fopen(Options.Output, "wb"))) {
    fprintf(stderr, "farhost: cannot write %s\n", Options.Output);
    return 2;
  }
  if (Options.OwnClipboard && !EnterOwnClipboardStation()) {
    fprintf(stderr, "farhost: cannot have a clipboard of its own (window station)\n");
    return 3;
  }
  if (Options.EmptyClipboard && !EmptyClipboardText())
    fprintf(stderr, "farhost: could not empty the clipboard\n");
  if (Options.SetClipboard && !PutClipboardText(Options.Clipboard))
    fprintf(stderr, "farhost: could not put the text on the clipboard\n");
  if (Options.NoClipboardRights && !EnterRestrictedWindowStation()) {
    fprintf(stderr, "farhost: cannot leave the clipboard rights behind (window station)\n");
    return 3;
  }
  return 0;
}

/* The console, and the screens' keys, dumps and sources joined to it. */
int OpenScreens(int keyCount) {
  int width = Options.Width, height = Options.Height;
  if (Options.Scripted && !width) {
    width = 80;
    height = 25;
  }
  if (!ConsoleOpen(width, height)) {
    fprintf(stderr, "farhost: no console; run it in a terminal (scripts/wine-run farhost.exe)\n");
    return 0;
  }
  ScreenSetFlushHook(ConsoleFlush);
  MessageSetErrorSource(ReadLastSystemError);
  InputSetDumpWriter(WriteDump);
  HostSetClipboardReader(ReadClipboardForPaste);
  HostSetPluginActions({SwitchPluginsLanguage, UnloadPluginsWithoutExit, Face3CallMacro});
  InputSetPump(Face3RunSynchroEvents);
  if (Options.Scripted)
    InputSetScript(ScriptKeys, keyCount);
  else
    InputSetReader(ConsoleReadKey);
  PanelSetLister(ListFolder);
  TextSetConverters({OemToUnicode, UnicodeToOem});
  return 1;
}

/* The panels' folder, the plugins, and the area the run starts in, named
   in the title. */
void StartHost(void) {
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
  if (Options.ScratchSettings)
    MakeScratchRoot(Options.RootKey, sizeof Options.RootKey);
  snprintf(HostLanguage, sizeof HostLanguage, "%s", Options.Language);
  HostLog("host: language %s, root key %s, plugins %s", Options.Language, Options.RootKey, plugins);
  if (LoadPlugins(plugins, Options.Language, Options.RootKey) == 0)
    fprintf(stderr, "farhost: no plugin loaded from %s\n", plugins);
  UnicodeRun = Face3PluginCount() > 0;
  TextSetUtf8(UnicodeRun);
  CurrentArea = Options.StartArea;
  if (CurrentArea == AREA_EDITOR && !OpenEditorFile(Options.File))
    fprintf(stderr, "farhost: %s: %s\n", Options.File,
            EditorReadOnly() ? "opened read-only" : "a new file");
  if (CurrentArea == AREA_VIEWER && !OpenViewerFile(Options.File))
    fprintf(stderr, "farhost: cannot read %s\n", Options.File);
  ShowAreaTitle();
}

/* After the host's screens: the plugins unloaded, the console given back,
   the results reported. */
void FinishRun(void) {
  UnloadPlugins();
  LogConsoleState("after the plugins are unloaded");
  if (InputRanOutInside() > 1) {
    fprintf(stderr, "farhost: the keys ran out inside a window; it was closed as with Esc\n");
    HostLog("host: the keys ran out inside a window");
  }
  /* The last screen is read before the console is blanked. */
  int lastScreen = Options.DumpAtEnd ? ConsoleReadScreen(Screen, sizeof Screen) : 0;
  ConsoleClose();
  ReportEnd();
  if (Options.DumpAtEnd)
    WriteScreen(Screen, lastScreen);
  if (Options.ScratchSettings)
    RemoveScratchRoot(Options.RootKey);
  if (OutputFile)
    fclose(OutputFile);
  fflush(stdout);
  HostLogClose();
}

} // namespace

int main(int argc, char **argv) {
  // As the real host does at its start: the runtime, which plugins share,
  // then follows the user's locale.
  setlocale(LC_ALL, "");
  int keyCount = 0;
  int stop = ReadOptions(argc, argv, &keyCount);
  if (!stop)
    stop = PrepareRun();
  if (!stop && !OpenScreens(keyCount))
    stop = 2;
  if (stop)
    return stop < 0 ? 0 : stop;
  StartHost();
  LogConsoleState("as the host starts");
  StatusClockStart(Options.Minute);
  RunHost(CurrentArea);
  FinishRun();
  return 0;
}
