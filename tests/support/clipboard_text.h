// The clipboard's text as another program reads it: opened, read, closed.
#ifndef HORALIS_TESTS_CLIPBOARD_TEXT_H
#define HORALIS_TESTS_CLIPBOARD_TEXT_H

#include <string>

// "<not opened>" or "<no text>" when there is nothing to read.
std::string ClipboardText();

#endif
