/* Texts with '&' hotkeys, as menus, dialogs and message buttons show them:
   the character after '&' is the hotkey and drawn highlighted; "&&" is a
   plain '&'. Texts are read up to maxLength bytes or their zero byte. */
#ifndef HORALIS_HOSTSTANDIN_HOTKEY_TEXT_H
#define HORALIS_HOSTSTANDIN_HOTKEY_TEXT_H

/* Lower case in the OEM code page (Latin and Cyrillic of 866). */
int OemLower(int ch);
/* The hotkey, lower case, or 0. */
int HotkeyChar(const char *text, int maxLength, int showAmpersand);
int VisibleLength(const char *text, int maxLength, int showAmpersand);
/* Draws at most width visible characters; returns how many were drawn. */
int DrawHotkeyText(int x, int y, int width, const char *text, int maxLength, int attr, int hotAttr,
                   int showAmpersand);

#endif
