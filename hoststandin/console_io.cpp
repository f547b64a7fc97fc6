#include "console_io.h"

#include "input.h"
#include "screen.h"

#include <windows.h>

namespace {

HANDLE Out = INVALID_HANDLE_VALUE;
HANDLE In = INVALID_HANDLE_VALUE;
CHAR_INFO Frame[SCREEN_MAX_WIDTH * SCREEN_MAX_HEIGHT];
DWORD SavedInputMode = 0;

/* The grid holds OEM (866) bytes. They reach the console, and come back for
   dumps, as Unicode, so a plugin that leaves another output code page in
   force (the clock leaves 1251) changes nothing of what the host shows. */
WCHAR OemToUnicode[256];

void BuildOemTable(void) {
  for (int byte = 0; byte < 256; ++byte) {
    char oem = (char)byte;
    if (MultiByteToWideChar(HOST_CODE_PAGE, 0, &oem, 1, &OemToUnicode[byte], 1) != 1)
      OemToUnicode[byte] = (WCHAR)byte;
  }
}

int NamedCode(WORD vk) {
  switch (vk) {
  case VK_BACK:
  case VK_TAB:
  case VK_RETURN:
  case VK_ESCAPE:
  case VK_SPACE:
  case VK_PRIOR:
  case VK_NEXT:
  case VK_END:
  case VK_HOME:
  case VK_LEFT:
  case VK_UP:
  case VK_RIGHT:
  case VK_DOWN:
  case VK_INSERT:
  case VK_DELETE:
    return vk;
  default:
    return vk >= VK_F1 && vk <= VK_F12 ? vk : 0;
  }
}

} // namespace

int ConsoleOpen(int width, int height) {
  Out = GetStdHandle(STD_OUTPUT_HANDLE);
  In = GetStdHandle(STD_INPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO info;
  /* With the standard handles redirected (output to a file), the console is
     still there: take it, and make it the standard output again so that a
     plugin drawing on GetStdHandle's buffer draws where the host does. */
  if (!GetConsoleScreenBufferInfo(Out, &info)) {
    Out = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (Out == INVALID_HANDLE_VALUE || !GetConsoleScreenBufferInfo(Out, &info))
      return 0;
    SetStdHandle(STD_OUTPUT_HANDLE, Out);
  }
  DWORD mode = 0;
  if (!GetConsoleMode(In, &mode)) {
    In = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     nullptr, OPEN_EXISTING, 0, nullptr);
    if (In != INVALID_HANDLE_VALUE)
      SetStdHandle(STD_INPUT_HANDLE, In);
  }
  if (width <= 0 || height <= 0) {
    width = info.srWindow.Right - info.srWindow.Left + 1;
    height = info.srWindow.Bottom - info.srWindow.Top + 1;
  }
  ScreenResize(width, height);
  if (info.dwSize.X < ScreenWidth() || info.dwSize.Y < ScreenHeight()) {
    COORD size = {(SHORT)(info.dwSize.X > ScreenWidth() ? info.dwSize.X : ScreenWidth()),
                  (SHORT)(info.dwSize.Y > ScreenHeight() ? info.dwSize.Y : ScreenHeight())};
    SetConsoleScreenBufferSize(Out, size);
  }
  /* The host works in the OEM code page of its language files. */
  BuildOemTable();
  SetConsoleOutputCP(HOST_CODE_PAGE);
  SetConsoleCP(HOST_CODE_PAGE);
  GetConsoleMode(In, &SavedInputMode);
  SetConsoleMode(In, ENABLE_EXTENDED_FLAGS);
  return 1;
}

void ConsoleFlush(void) {
  const int w = ScreenWidth(), h = ScreenHeight();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      ScreenCell cell = ScreenAt(x, y);
      CHAR_INFO &ci = Frame[y * w + x];
      ci.Char.UnicodeChar = OemToUnicode[cell.Char ? cell.Char : ' '];
      ci.Attributes = cell.Attr ? cell.Attr : 0x07;
    }
  COORD size = {(SHORT)w, (SHORT)h};
  COORD origin = {0, 0};
  SMALL_RECT rect = {0, 0, (SHORT)(w - 1), (SHORT)(h - 1)};
  WriteConsoleOutputW(Out, Frame, size, origin, &rect);
  int cx, cy, visible;
  ScreenGetCursor(&cx, &cy, &visible);
  CONSOLE_CURSOR_INFO cursor = {25, visible ? TRUE : FALSE};
  SetConsoleCursorInfo(Out, &cursor);
  if (visible) {
    COORD at = {(SHORT)cx, (SHORT)cy};
    SetConsoleCursorPosition(Out, at);
  }
}

int ConsoleReadKey(HostKey *key) {
  for (;;) {
    INPUT_RECORD record;
    DWORD read = 0;
    // The host's screens go on with their idle work (the editor's clock)
    // while no key comes.
    while (WaitForSingleObject(In, 250) == WAIT_TIMEOUT) {
      InputIdle();
      InputPump();
    }
    if (!ReadConsoleInputA(In, &record, 1, &read) || read == 0)
      return 0;
    if (record.EventType != KEY_EVENT || !record.Event.KeyEvent.bKeyDown)
      continue;
    const KEY_EVENT_RECORD &event = record.Event.KeyEvent;
    DWORD state = event.dwControlKeyState;
    int mods = (state & SHIFT_PRESSED ? KEYMOD_SHIFT : 0) |
               (state & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED) ? KEYMOD_CTRL : 0) |
               (state & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED) ? KEYMOD_ALT : 0);
    int code = NamedCode(event.wVirtualKeyCode);
    int ch = (unsigned char)event.uChar.AsciiChar;
    if (code) {
      *key = NamedKey(code, mods);
      return 1;
    }
    if (ch) {
      *key = CharKey(ch);
      key->Mods = mods & ~KEYMOD_SHIFT;
      if ((key->Mods & KEYMOD_CTRL) && ch < 32)
        key->Char = ch + 'a' - 1;
      return 1;
    }
    if ((mods & KEYMOD_ALT) && event.wVirtualKeyCode >= 'A' && event.wVirtualKeyCode <= 'Z') {
      *key = CharKey(event.wVirtualKeyCode + 32);
      key->Mods = mods & ~KEYMOD_SHIFT;
      return 1;
    }
  }
}

int ConsoleReadScreen(char *out, int size) {
  const int w = ScreenWidth(), h = ScreenHeight();
  int n = 0;
  WCHAR wide[SCREEN_MAX_WIDTH];
  char row[SCREEN_MAX_WIDTH + 1];
  for (int y = 0; y < h && size - n > w + 1; ++y) {
    DWORD read = 0;
    COORD at = {0, (SHORT)y};
    if (!ReadConsoleOutputCharacterW(Out, wide, w, at, &read))
      read = 0;
    if (read > 0)
      read = (DWORD)WideCharToMultiByte(HOST_CODE_PAGE, 0, wide, (int)read, row, sizeof row,
                                        nullptr, nullptr);
    int length = (int)read;
    while (length > 0 && (row[length - 1] == ' ' || row[length - 1] == 0))
      --length;
    for (int i = 0; i < length; ++i)
      out[n++] = row[i] ? row[i] : ' ';
    out[n++] = '\n';
  }
  out[n] = 0;
  return n;
}

void ConsoleClose(void) {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(Out, &info))
    return;
  DWORD written = 0;
  COORD origin = {0, 0};
  const int w = ScreenWidth(), h = ScreenHeight();
  FillConsoleOutputCharacterA(Out, ' ', w * h, origin, &written);
  FillConsoleOutputAttribute(Out, 0x07, w * h, origin, &written);
  SetConsoleCursorPosition(Out, origin);
  CONSOLE_CURSOR_INFO cursor = {25, TRUE};
  SetConsoleCursorInfo(Out, &cursor);
  SetConsoleMode(In, SavedInputMode);
}
