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
    "Keys: F1..F12 Enter Esc Up Down Left Right Home End PgUp PgDn Tab Space Ins Del BS,\n"
    "with Shift+ Ctrl+ Alt+; \"quoted text\" or plain words are typed; Dump writes the screen\n"
    "(and logs the title); Wait N waits N ms. On the host's own screens (panels, editor,\n"
    "viewer), as a person's choice there would:\n"
    "  Lang NAME            switch the language (Eng, Rus): each plugin's texts reloaded,\n"
    "                       the old ones freed (Alt+L: English and Russian in turn)\n"
    "  Unload               unload the plugins without ExitFAR, then free their texts;\n"
    "                       the run goes on (Alt+U)\n"
    "  Title \"TEXT\"         set the console title (the host also names each screen there)\n";

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

int ParseHostOptions(int argc, const char *const *argv, HostOptions *o, char *error,
                     int errorSize) {
  memset(o, 0, sizeof *o);
  snprintf(o->Language, sizeof o->Language, "English");
  snprintf(o->RootKey, sizeof o->RootKey, "Software\\Far\\Plugins");
  o->StartArea = AREA_PANELS;
  for (int i = 1; i < argc; ++i) {
    const char *name = argv[i];
    const char *value = i + 1 < argc ? argv[i + 1] : nullptr;
    int ok = 1, takesValue = 1;
    if (!strcmp(name, "--help") || !strcmp(name, "-h") || !strcmp(name, "/?")) {
      o->Help = 1;
      takesValue = 0;
    } else if (!strcmp(name, "--dump")) {
      o->DumpAtEnd = 1;
      takesValue = 0;
    } else if (!strcmp(name, "--empty-clipboard")) {
      o->EmptyClipboard = 1;
      takesValue = 0;
    } else if (!strcmp(name, "--scratch-settings")) {
      o->ScratchSettings = 1;
      takesValue = 0;
    } else if (!strcmp(name, "--no-clipboard-rights")) {
      o->NoClipboardRights = 1;
      takesValue = 0;
    } else if (!value) {
      snprintf(error, errorSize, "%s: unknown option or missing value", name);
      return 0;
    } else if (!strcmp(name, "--plugins")) {
      ok = Copy(o->PluginsFolder, sizeof o->PluginsFolder, value);
    } else if (!strcmp(name, "--lang")) {
      ok = (int)strlen(value) < (int)sizeof o->Language;
      if (ok)
        HostLanguageName(value, o->Language, sizeof o->Language);
    } else if (!strcmp(name, "--root-key")) {
      ok = Copy(o->RootKey, sizeof o->RootKey, value);
    } else if (!strcmp(name, "--from")) {
      if (!strcasecmp(value, "panels"))
        o->StartArea = AREA_PANELS;
      else if (!strcasecmp(value, "editor"))
        o->StartArea = AREA_EDITOR;
      else if (!strcasecmp(value, "viewer"))
        o->StartArea = AREA_VIEWER;
      else {
        snprintf(error, errorSize, "--from %s: expected panels, editor or viewer", value);
        return 0;
      }
    } else if (!strcmp(name, "--file")) {
      ok = Copy(o->File, sizeof o->File, value);
    } else if (!strcmp(name, "--dir")) {
      ok = Copy(o->Folder, sizeof o->Folder, value);
    } else if (!strcmp(name, "--keys")) {
      ok = Copy(o->Keys, sizeof o->Keys, value);
      o->Scripted = 1;
    } else if (!strcmp(name, "--keys-file")) {
      ok = Copy(o->KeysFile, sizeof o->KeysFile, value);
      if (ok && !ReadKeysFile(value, o->Keys, sizeof o->Keys)) {
        snprintf(error, errorSize, "--keys-file %s: cannot read it (or it is too long)", value);
        return 0;
      }
      o->Scripted = 1;
    } else if (!strcmp(name, "--output")) {
      ok = Copy(o->Output, sizeof o->Output, value);
    } else if (!strcmp(name, "--log")) {
      ok = Copy(o->Log, sizeof o->Log, value);
    } else if (!strcmp(name, "--clipboard")) {
      ok = Copy(o->Clipboard, sizeof o->Clipboard, value);
      o->SetClipboard = 1;
    } else if (!strcmp(name, "--size")) {
      int w = 0, h = 0;
      char extra = 0;
      if (sscanf(value, "%dx%d%c", &w, &h, &extra) != 2 || w < 40 || h < 12 || w > 250 || h > 100) {
        snprintf(error, errorSize, "--size %s: expected WxH, 40x12 to 250x100", value);
        return 0;
      }
      o->Width = w;
      o->Height = h;
    } else {
      snprintf(error, errorSize, "%s: unknown option", name);
      return 0;
    }
    if (!ok) {
      snprintf(error, errorSize, "%s: value too long", name);
      return 0;
    }
    if (takesValue)
      ++i;
  }
  return 1;
}
