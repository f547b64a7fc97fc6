// The clipboard's text as another program reads and writes it: opened,
// read or emptied and filled, closed.
#ifndef HORALIS_TESTS_CLIPBOARD_TEXT_H
#define HORALIS_TESTS_CLIPBOARD_TEXT_H

#include <string>

#include <windows.h>

// "<not opened>" or "<no text>" when there is nothing to read; CF_TEXT
// unless another byte format is asked for.
std::string ClipboardText(UINT format = CF_TEXT);

// The clipboard's CF_UNICODETEXT in UTF-8.
std::string ClipboardUnicodeText();

// False when the clipboard cannot be opened for `owner`.
bool PutClipboardText(HWND owner, const char *text);

#endif
