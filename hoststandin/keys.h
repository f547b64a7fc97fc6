/* Keys as the stand-in's screens see them, and the parser of key scripts
   (the --keys text and key files). Codes are the Windows virtual-key codes,
   so a plugin's Menu break keys compare with them directly. */
#ifndef HORALIS_HOSTSTANDIN_KEYS_H
#define HORALIS_HOSTSTANDIN_KEYS_H

enum {
  HK_NONE = 0,
  HK_BS = 0x08,
  HK_TAB = 0x09,
  HK_ENTER = 0x0D,
  HK_ESC = 0x1B,
  HK_SPACE = 0x20,
  HK_PGUP = 0x21,
  HK_PGDN = 0x22,
  HK_END = 0x23,
  HK_HOME = 0x24,
  HK_LEFT = 0x25,
  HK_UP = 0x26,
  HK_RIGHT = 0x27,
  HK_DOWN = 0x28,
  HK_INS = 0x2D,
  HK_DEL = 0x2E,
  HK_F1 = 0x70,
  HK_F2 = 0x71,
  HK_F3 = 0x72,
  HK_F4 = 0x73,
  HK_F9 = 0x78,
  HK_F10 = 0x79,
  HK_F11 = 0x7A,
  HK_F12 = 0x7B,
  /* Not keys: script steps that write a screen dump where they stand, and
     that wait (Char holds the milliseconds), so that what a plugin's own
     thread draws can be dumped while it shows and after. */
  HK_DUMP = 0x10000,
  HK_WAIT = 0x10001,
  /* Steps the host takes on its own screens, as a person's choice in its
     menus would: switch the language (Text names it, Char is its length),
     unload the plugins without ExitFAR, set the console title (Text, Char
     bytes, OEM). */
  HK_LANGUAGE = 0x10002,
  HK_UNLOAD = 0x10003,
  HK_TITLE = 0x10004,
  /* A macro's Plugin.Call to the 3.x plugin: Text holds its "quoted"
     arguments as written, Char bytes long. */
  HK_CALL = 0x10005
};

enum { KEYMOD_SHIFT = 1, KEYMOD_CTRL = 2, KEYMOD_ALT = 4 };

struct HostKey {
  int Code; /* HK_* for a named key, 0 for a typed character */
  int Char; /* the typed character (0..255), or the character of a named key such as Space */
  int Mods; /* KEYMOD_* */
  /* For the host's steps only: their text, inside the script parsed (not
     terminated; Char bytes long). */
  const char *Text;
};

enum { KEY_SCRIPT_MAX = 4096, KEY_ERROR_SIZE = 160 };

/* Parses a key script: names of keys (F1..F12, Enter, Esc, Up, Down, Left,
   Right, Home, End, PgUp, PgDn, Tab, Space, Ins, Del, BS, Dump), each with
   optional Shift+, Ctrl+ and Alt+ prefixes; "Wait <milliseconds>";
   "Lang <name>", "Unload", "Title \"text\"" and "Call \"a\" \"b\"..."
   (host steps); a "quoted
   text" typed as it stands; any other word typed character by character.
   Returns the number of keys, or -1 with a message in error. The keys of
   host steps point into the script, which must outlive them. */
int ParseKeyScript(const char *script, struct HostKey *keys, int maxKeys, char *error,
                   int errorSize);

/* The script name of a key, for logs ("F11", "Alt+x", "'a'"). */
void DescribeKey(const struct HostKey *key, char *out, int size);

/* The key a typed character makes. */
struct HostKey CharKey(int ch);
struct HostKey NamedKey(int code, int mods);

#endif
