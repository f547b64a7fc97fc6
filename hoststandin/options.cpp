#include "options.h"

#include "host_state.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

const char HostUsage[] =
    "farhost: the host stand-in; loads plugins like the file manager does.\n"
    "  --plugins DIR        folder of plugin folders (default: Plugins beside farhost.exe)\n"
    "  --lang NAME          English (default) or Russian (Eng, Rus)\n"
    "  --root-key KEY       registry root of plugin settings (default Software\\Far\\Plugins)\n"
    "  --from AREA          panels (default), editor or viewer\n"
    "  --file PATH          the file of the editor and viewer\n"
    "  --dir PATH           the folder shown in the panels (default: the current one)\n"
    "  --keys \"KEYS\"        scripted mode: press these keys, then print the result\n"
    "  --keys-file PATH     scripted mode, keys from a file (text in code page 866)\n"
    "  --output PATH        write cmdline:/editor:/clipboard: lines and dumps to a file\n"
    "  --dump               add a screen dump at the end\n"
    "  --size WxH           screen size (scripted default 80x25)\n"
    "  --log PATH           log of the calls between host and plugins\n"
    "  --clipboard TEXT     put TEXT on the clipboard first\n"
    "  --empty-clipboard    empty the clipboard first\n"
    "  --scratch-settings   plugin settings under a root key of this run's own, removed at\n"
    "                       the end (instead of --root-key)\n"
    "  --no-clipboard-rights  run in a window station without clipboard rights\n"
    "  --own-clipboard      run in a window station of its own: its clipboard starts\n"
    "                       empty and no other program's clipboard is touched\n"
    "  --minute MS          the editor's clock turns a minute every MS ms (for tests)\n"
    "Keys: F1..F12 Enter Esc Up Down Left Right Home End PgUp PgDn Tab Space Ins Del BS,\n"
    "with Shift+ Ctrl+ Alt+ (Shift+ and one character: what Shift gives on its key, in\n"
    "either layout: a Russian letter's capital, or < for Shift+,; hotkeys answer keys of\n"
    "the Russian layout as of the Latin one); \"quoted text\" or plain words are typed;\n"
    "Dump writes the screen (and logs the title); Wait N waits N ms. On the host's own\n"
    "screens (panels, editor, viewer), as a person's choice there would:\n"
    "  Lang NAME            switch the language (Eng, Rus): each plugin's texts reloaded,\n"
    "                       the old ones freed (Alt+L: English and Russian in turn)\n"
    "  Unload               unload the plugins without ExitFAR, then free their texts;\n"
    "                       the run goes on (Alt+U)\n"
    "  Title \"TEXT\"         set the console title (the host also names each screen there)\n"
    "  Call \"A\" \"B\"...      a macro's Plugin.Call(<GUID>, \"A\", \"B\"...) into the\n"
    "                       3.x plugin; what it returns is printed as macro: lines\n";

namespace {

int Copy(char *out, int size, const char *value) {
  if ((int)strlen(value) >= size)
    return 0;
  snprintf(out, size, "%s", value);
  return 1;
}

int ReadKeysFile(const char *path, char *out, int size) {
  FILE *f = fopen(path, "rb");
  if (!f)
    return 0;
  int n = (int)fread(out, 1, size - 1, f);
  int more = fgetc(f) != EOF;
  fclose(f);
  out[n] = 0;
  return !more && (int)strlen(out) == n;
}

} // namespace

void HostLanguageName(const char *value, char *out, int size) {
  if (!strcasecmp(value, "Eng") || !strcasecmp(value, "English"))
    snprintf(out, size, "English");
  else if (!strcasecmp(value, "Rus") || !strcasecmp(value, "Russian"))
    snprintf(out, size, "Russian");
  else
    snprintf(out, size, "%s", value);
}

namespace {

/* An option without a value; 1 when name is one. */
int ReadSwitch(const char *name, HostOptions *o) {
  int *flag = !strcmp(name, "--dump")                  ? &o->DumpAtEnd
              : !strcmp(name, "--empty-clipboard")     ? &o->EmptyClipboard
              : !strcmp(name, "--scratch-settings")    ? &o->ScratchSettings
              : !strcmp(name, "--no-clipboard-rights") ? &o->NoClipboardRights
              : !strcmp(name, "--own-clipboard")       ? &o->OwnClipboard
                                                       : nullptr;
  if (!strcmp(name, "--help") || !strcmp(name, "-h") || !strcmp(name, "/?"))
    flag = &o->Help;
  if (flag)
    *flag = 1;
  return flag != nullptr;
}

int Refuse(char *error, int errorSize, const char *what, const char *name, const char *value) {
  snprintf(error, errorSize, what, name, value);
  return 0;
}

/* --from, --size and --lang: values of their own kind. -1 when name is
   none of them. */
int ReadChoice(const char *name, const char *value, HostOptions *o, char *error, int errorSize) {
  if (!strcmp(name, "--from")) {
    static const char *const areas[] = {"panels", "editor", "viewer"};
    static const int codes[] = {AREA_PANELS, AREA_EDITOR, AREA_VIEWER};
    for (int i = 0; i < 3; ++i)
      if (!strcasecmp(value, areas[i])) {
        o->StartArea = codes[i];
        return 1;
      }
    return Refuse(error, errorSize, "%s %s: expected panels, editor or viewer", name, value);
  }
  if (!strcmp(name, "--size")) {
    int w = 0, h = 0;
    char extra = 0;
    if (sscanf(value, "%dx%d%c", &w, &h, &extra) != 2 || w < 40 || h < 12 || w > 250 || h > 100)
      return Refuse(error, errorSize, "%s %s: expected WxH, 40x12 to 250x100", name, value);
    o->Width = w;
    o->Height = h;
    return 1;
  }
  if (!strcmp(name, "--minute")) {
    unsigned ms = 0;
    char extra = 0;
    if (sscanf(value, "%u%c", &ms, &extra) != 1 || ms < 50 || ms > 60000)
      return Refuse(error, errorSize, "%s %s: expected milliseconds, 50 to 60000", name, value);
    o->Minute = ms;
    return 1;
  }
  if (!strcmp(name, "--lang")) {
    if (strlen(value) >= sizeof o->Language)
      return Refuse(error, errorSize, "%s: value too long%s", name, "");
    HostLanguageName(value, o->Language, sizeof o->Language);
    return 1;
  }
  return -1;
}

/* An option whose value is a text kept as given (or, for --keys-file, the
   file's text). */
int ReadText(const char *name, const char *value, HostOptions *o, char *error, int errorSize) {
  const struct {
    const char *Name;
    char *Text;
    int Size;
  } texts[] = {{"--plugins", o->PluginsFolder, sizeof o->PluginsFolder},
               {"--root-key", o->RootKey, sizeof o->RootKey},
               {"--file", o->File, sizeof o->File},
               {"--dir", o->Folder, sizeof o->Folder},
               {"--keys", o->Keys, sizeof o->Keys},
               {"--keys-file", o->KeysFile, sizeof o->KeysFile},
               {"--output", o->Output, sizeof o->Output},
               {"--log", o->Log, sizeof o->Log},
               {"--clipboard", o->Clipboard, sizeof o->Clipboard}};
  for (const auto &t : texts) {
    if (strcmp(name, t.Name))
      continue;
    if (!Copy(t.Text, t.Size, value))
      return Refuse(error, errorSize, "%s: value too long%s", name, "");
    o->Scripted |= t.Text == o->Keys || t.Text == o->KeysFile;
    o->SetClipboard |= t.Text == o->Clipboard;
    if (t.Text == o->KeysFile && !ReadKeysFile(value, o->Keys, sizeof o->Keys))
      return Refuse(error, errorSize, "%s %s: cannot read it (or it is too long)", name, value);
    return 1;
  }
  return Refuse(error, errorSize, "%s: unknown option%s", name, "");
}

} // namespace

int ParseHostOptions(int argc, const char *const *argv, HostOptions *o, char *error,
                     int errorSize) {
  memset(o, 0, sizeof *o);
  snprintf(o->Language, sizeof o->Language, "English");
  snprintf(o->RootKey, sizeof o->RootKey, "Software\\Far\\Plugins");
  o->StartArea = AREA_PANELS;
  for (int i = 1; i < argc; ++i) {
    const char *name = argv[i];
    if (ReadSwitch(name, o))
      continue;
    if (i + 1 >= argc)
      return Refuse(error, errorSize, "%s: unknown option or missing value%s", name, "");
    const char *value = argv[++i];
    int read = ReadChoice(name, value, o, error, errorSize);
    if (read < 0)
      read = ReadText(name, value, o, error, errorSize);
    if (!read)
      return 0;
  }
  return 1;
}
