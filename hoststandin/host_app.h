/* The host's screens and their keys: panels with the command line, the
   editor and the viewer; F11 opens the plugin menu from each, F9 the
   plugins configuration menu from the panels. Runs until F10 on the panels
   or the end of the input. */
#ifndef HORALIS_HOSTSTANDIN_HOST_APP_H
#define HORALIS_HOSTSTANDIN_HOST_APP_H

enum { HOST_PATH_SIZE = 260, EDITOR_MAX_FILE = 1 << 20, PASTE_MAX = 64 * 1024 };

/* Opens the editor or the viewer on a file ("" for an empty editor and the
   viewer's note); 0 when the file could not be read whole (the area is
   still opened). A file the editor cannot keep as it is (larger than
   EDITOR_MAX_FILE, holding NUL bytes, or unreadable) opens read-only, with
   a message once the editor shows; a missing file is a new, empty one. */
int OpenEditorFile(const char *path);
int OpenViewerFile(const char *path);
const char *EditorFileName(void);

/* Where Shift+Ins takes the clipboard's text from (OEM): 1 when there was
   text. None is set in the tests: the paste keys then paste nothing. */
typedef int (*ClipboardTextReader)(char *out, int size);
void HostSetClipboardReader(ClipboardTextReader reader);

/* What only the Windows build can do to its plugins, for the host's steps
   (Lang and Unload in a script, Alt+L and Alt+U on its screens): reload
   their texts in another language, freeing the old ones; unload them
   without ExitFAR. Unset in the tests: the steps are then only logged. */
struct HostPluginActions {
  void (*SwitchLanguage)(const char *language);
  void (*UnloadWithoutExit)(void);
  /* A script's Call step: its "quoted" arguments as written (OEM). */
  void (*CallMacro)(const char *arguments, int length);
};
void HostSetPluginActions(struct HostPluginActions actions);

/* Names the current area in the console title, as the host does whenever
   it changes: "{folder} - farhost", "Edit - file", "View - file". */
void ShowAreaTitle(void);

void RunHost(int startArea);

#endif
