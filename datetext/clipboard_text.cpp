#include "datetext/clipboard_text.h"

#include <string.h>

#include "datetext/format_check.h"

// A block of clipboard text, its lines ended with CR LF (a CR is added
// only before a bare LF); null, with the system's error kept, when it
// cannot be had.
template <typename Char> static HGLOBAL TextBlock(const Char *text) {
  size_t count = 1;
  for (const Char *c = text; *c; c++)
    count += *c == '\n' && (c == text || c[-1] != '\r') ? 2 : 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, count * sizeof(Char));
  Char *copy = block ? (Char *)GlobalLock(block) : NULL;
  if (!copy) {
    DWORD error = GetLastError();
    if (block)
      GlobalFree(block);
    SetLastError(error);
    return NULL;
  }
  for (const Char *c = text; *c; c++) {
    if (*c == '\n' && (c == text || c[-1] != '\r'))
      *copy++ = '\r';
    *copy++ = *c;
  }
  *copy = 0;
  GlobalUnlock(block);
  return block;
}

// Keeps the error of the failed call for the front end's box across the
// clean-up.
static int PlaceOnClipboard(UINT format, HGLOBAL block) {
  if (!block)
    return 0;
  if (SetClipboardData(format, block))
    return 1; // the block is the clipboard's now
  DWORD error = GetLastError();
  GlobalFree(block);
  SetLastError(error);
  return 0;
}

// The system makes the OEM text from the Unicode one: where that is not
// the plugin's own OEM text (a letter the OEM code page has only as a
// look-alike, names it shows in English), `oem` goes as the OEM text.
// Null when not needed.
static HGLOBAL OwnOemText(const WCHAR *wide, const char *oem) {
  char made[2 * DATE_TEXT_SIZE];
  int same = WideCharToMultiByte(CP_OEMCP, 0, wide, -1, made, sizeof made, NULL, NULL) &&
             strcmp(made, oem) == 0;
  return same ? NULL : TextBlock(oem);
}

// The Unicode text as long as a delivered text may be, a surrogate pair
// whole or not at all: the expansion keeps one character more.
static void CutUnicodeText(DateExpansion *expansion) {
  WCHAR *last = &expansion->Text[DATE_TEXT_SIZE - 2];
  if (expansion->Length >= DATE_TEXT_SIZE && *last >= 0xD800 && *last < 0xDC00)
    *last = 0;
  expansion->Text[DATE_TEXT_SIZE - 1] = 0;
}

// CF_TEXT first: CF_UNICODETEXT, which other programs read first, and
// CF_OEMTEXT follow only when it was placed.
static int PlaceTexts(DateExpansion *expansion, const char *ansi, const char *oem) {
  HWND owner = GetWindow(NULL, GW_HWNDFIRST);
  OpenClipboard(owner);
  EmptyClipboard();
  CutUnicodeText(expansion);
  HGLOBAL oemBlock = OwnOemText(expansion->Text, oem);
  int placed = PlaceOnClipboard(CF_TEXT, TextBlock(ansi));
  DWORD error = GetLastError();
  if (placed)
    PlaceOnClipboard(CF_UNICODETEXT, TextBlock(expansion->Text));
  if (placed && oemBlock)
    PlaceOnClipboard(CF_OEMTEXT, oemBlock);
  else if (oemBlock)
    GlobalFree(oemBlock);
  CloseClipboard();
  SetLastError(error);
  return placed;
}

int PutExpansion(DateExpansion *expansion, char *oem) {
  char ansi[DATE_TEXT_SIZE], ownOem[DATE_TEXT_SIZE];
  char *oemText = oem ? oem : ownOem;
  oemText[0] = 0;
  if (expansion->Length <= 0)
    return CLIPBOARD_NO_TEXT;
  WriteExpansion(expansion, CP_OEMCP, oemText, DATE_TEXT_SIZE);
  WriteExpansion(expansion, CP_ACP, ansi, DATE_TEXT_SIZE);
  return PlaceTexts(expansion, ansi, oemText) ? CLIPBOARD_PUT : CLIPBOARD_REFUSED;
}

int PutFormatW(const WCHAR *format, const struct tm *moment) {
  DateExpansion expansion;
  struct FormatFault fault;
  ExpandDateW(&expansion, format, moment);
  if (expansion.Length <= 0 || FindSilentMistakeW(format, &fault))
    return CLIPBOARD_NO_TEXT;
  return PutExpansion(&expansion, NULL);
}
