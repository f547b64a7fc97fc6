/* Texts with '&' hotkeys, as menus, dialogs and message buttons show them:
   the character after '&' is the hotkey and drawn highlighted; "&&" is a
   plain '&'. Texts are read up to maxLength bytes or their zero byte. */
#ifndef HORALIS_HOSTSTANDIN_HOTKEY_TEXT_H
#define HORALIS_HOSTSTANDIN_HOTKEY_TEXT_H

/* Lower case in the OEM code page (Latin and Cyrillic of 866). */
int OemLower(int ch);
int OemUpper(int ch);
/* Whether a typed character presses a hotkey (HotkeyChar's): in the first
   pass the character itself; in the second, otherLayout set, what the same
   key gives in the other keyboard layout, US or Russian, so that Shift+\x81
   (Shift+Б) presses '<' and '\xE4' (ф) presses 'a'. A window looks through
   all its hotkeys in the first pass before the second. */
int HotkeyMatches(int ch, int hotkey, int otherLayout);
/* The Latin letter on the key of a Russian letter, 0 for anything else. */
int LatinLetterOfKey(int ch);
/* The hotkey, lower case, or 0. */
int HotkeyChar(const char *text, int maxLength, int showAmpersand);
int VisibleLength(const char *text, int maxLength, int showAmpersand);
/* Draws at most width visible characters; returns how many were drawn. */
int DrawHotkeyText(int x, int y, int width, const char *text, int maxLength, int attr, int hotAttr,
                   int showAmpersand);

#endif
