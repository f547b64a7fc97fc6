// One console screen buffer, as Wine's console keeps it: each cell holds a
// Unicode character and a 16-bit attribute, and the A functions convert
// characters through the output code page in force at the call, so text
// written under 866 reads back under 1251 as Wine reads it. Runs past the
// end of a row go on in the next row and stop at the end of the buffer; a
// start outside the buffer does nothing and succeeds (for fills, see
// StartOfRun). The clock thread and the host's thread both draw, so one
// lock guards it all.
#include <atomic>
#include <pthread.h>
#include <stdlib.h>
#include <string.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

enum {
  DEFAULT_WIDTH = 80,
  DEFAULT_HEIGHT = 25,
  LARGEST_SIDE = 1000,
  TITLE_SIZE = 1024,
  DEFAULT_ATTRIBUTE = 7, // light grey on black
  // A Russian system's console starts in its OEM code page, as Wine's does
  // under a Russian locale (scripts/wine-run sets one; an English one gives 437).
  DEFAULT_CODE_PAGE = 866
};

// Handle values of the one console; anything else is not a console handle.
static const uintptr_t CONSOLE_INPUT = 0x3;
static const uintptr_t CONSOLE_OUTPUT = 0x7;

struct ConsoleCell {
  WORD character; // Unicode
  WORD attribute;
};

static pthread_mutex_t ConsoleLock = PTHREAD_MUTEX_INITIALIZER;
static int Present = 0;
static int Initialised = 0;
static SHORT Width = 0;
static SHORT Height = 0;
static ConsoleCell *Cells = NULL;
static WORD Title[TITLE_SIZE]; // Unicode, terminated
static UINT OutputCodePage = DEFAULT_CODE_PAGE;

// Builds the console of a fresh process on first use.
static void CreateConsoleLocked(SHORT width, SHORT height) {
  free(Cells);
  Cells = NULL;
  Width = Height = 0;
  Present = 0;
  Title[0] = 0;
  OutputCodePage = DEFAULT_CODE_PAGE;
  Initialised = 1;
  if (width < 1 || height < 1 || width > LARGEST_SIDE || height > LARGEST_SIDE)
    return;
  Cells = (ConsoleCell *)malloc(sizeof(ConsoleCell) * (size_t)width * (size_t)height);
  if (!Cells)
    return;
  for (int i = 0; i < width * height; i++) {
    Cells[i].character = ' ';
    Cells[i].attribute = DEFAULT_ATTRIBUTE;
  }
  Width = width;
  Height = height;
  Present = 1;
}

static void LockConsole(void) {
  pthread_mutex_lock(&ConsoleLock);
  if (!Initialised)
    CreateConsoleLocked(DEFAULT_WIDTH, DEFAULT_HEIGHT);
}

static void UnlockConsole(void) { pthread_mutex_unlock(&ConsoleLock); }

static int IsOutputHandle(HANDLE handle) { return Present && (uintptr_t)handle == CONSOLE_OUTPUT; }

extern "C" HANDLE WINAPI GetStdHandle(DWORD nStdHandle) {
  if (nStdHandle != STD_INPUT_HANDLE && nStdHandle != STD_OUTPUT_HANDLE) {
    SetLastError(ERROR_INVALID_HANDLE);
    return INVALID_HANDLE_VALUE;
  }
  if (TakeInjectedFault("GetStdHandle"))
    return INVALID_HANDLE_VALUE;
  LockConsole();
  int present = Present;
  UnlockConsole();
  if (!present)
    return NULL; // a process without a console has no standard handles
  return (HANDLE)(nStdHandle == STD_INPUT_HANDLE ? CONSOLE_INPUT : CONSOLE_OUTPUT);
}

extern "C" BOOL WINAPI GetConsoleScreenBufferInfo(HANDLE hConsoleOutput,
                                                  PCONSOLE_SCREEN_BUFFER_INFO info) {
  if (TakeInjectedFault("GetConsoleScreenBufferInfo"))
    return FALSE;
  LockConsole();
  DWORD error = !IsOutputHandle(hConsoleOutput) ? ERROR_INVALID_HANDLE
                : !info                         ? ERROR_INVALID_PARAMETER
                                                : ERROR_SUCCESS;
  if (!error) {
    memset(info, 0, sizeof *info);
    info->dwSize.X = Width;
    info->dwSize.Y = Height;
    info->wAttributes = DEFAULT_ATTRIBUTE;
    info->srWindow.Right = (SHORT)(Width - 1);
    info->srWindow.Bottom = (SHORT)(Height - 1);
    info->dwMaximumWindowSize.X = Width;
    info->dwMaximumWindowSize.Y = Height;
  }
  UnlockConsole();
  if (error)
    SetLastError(error);
  return !error;
}

// Title -------------------------------------------------------------------

// A caller's characters: the A functions' in the output code page in force,
// the W functions' as they are.
static void StoreCharacter(char *target, WORD character) {
  *target = (char)UnicodeToCodePage(OutputCodePage, character);
}
static void StoreCharacter(WCHAR *target, WORD character) { *target = character; }
static WORD ToUnicode(char character) { return CodePageToUnicode(OutputCodePage, (BYTE)character); }
static WORD ToUnicode(WCHAR character) { return character; }

// As Wine: the title cut to the buffer, terminated, and its full length; an
// empty title or an empty buffer leaves the buffer alone.
template <typename Char> static DWORD GetTitle(const char *name, Char *buffer, DWORD size) {
  if (TakeInjectedFault(name))
    return 0;
  LockConsole();
  int present = Present;
  DWORD length = 0;
  while (Title[length])
    length++;
  if (present && buffer && size > 0 && length > 0) {
    DWORD copied = length < size - 1 ? length : size - 1;
    for (DWORD i = 0; i < copied; i++)
      StoreCharacter(&buffer[i], Title[i]);
    buffer[copied] = 0;
  }
  UnlockConsole();
  if (!present) {
    SetLastError(ERROR_INVALID_ACCESS);
    return 0;
  }
  if (!buffer || size == 0)
    return 0;
  return length;
}

template <typename Char> static BOOL SetTitle(const char *name, const Char *title) {
  if (TakeInjectedFault(name))
    return FALSE;
  LockConsole();
  DWORD error = !Present ? ERROR_INVALID_ACCESS : !title ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
  if (!error) {
    size_t i = 0;
    for (; title[i] && i < TITLE_SIZE - 1; i++)
      Title[i] = ToUnicode(title[i]);
    Title[i] = 0;
  }
  UnlockConsole();
  if (error)
    SetLastError(error);
  return !error;
}

extern "C" DWORD WINAPI GetConsoleTitleA(LPSTR lpConsoleTitle, DWORD nSize) {
  return GetTitle("GetConsoleTitleA", lpConsoleTitle, nSize);
}

extern "C" BOOL WINAPI SetConsoleTitleA(LPCSTR lpConsoleTitle) {
  return SetTitle("SetConsoleTitleA", lpConsoleTitle);
}

extern "C" DWORD WINAPI GetConsoleTitleW(LPWSTR lpConsoleTitle, DWORD nSize) {
  return GetTitle("GetConsoleTitleW", lpConsoleTitle, nSize);
}

extern "C" BOOL WINAPI SetConsoleTitleW(LPCWSTR lpConsoleTitle) {
  return SetTitle("SetConsoleTitleW", lpConsoleTitle);
}

// Code page ------------------------------------------------------------------

extern "C" UINT WINAPI GetConsoleOutputCP(void) {
  if (TakeInjectedFault("GetConsoleOutputCP"))
    return 0;
  LockConsole();
  UINT codePage = Present ? OutputCodePage : 0;
  UnlockConsole();
  if (!codePage)
    SetLastError(ERROR_INVALID_ACCESS);
  return codePage;
}

// Only 866 and 1251 are known here; Wine accepts any installed code page.
extern "C" BOOL WINAPI SetConsoleOutputCP(UINT wCodePageID) {
  if (TakeInjectedFault("SetConsoleOutputCP"))
    return FALSE;
  LockConsole();
  DWORD error = !Present                        ? ERROR_INVALID_ACCESS
                : !IsKnownCodePage(wCodePageID) ? ERROR_INVALID_PARAMETER
                                                : ERROR_SUCCESS;
  if (!error)
    OutputCodePage = wCodePageID;
  UnlockConsole();
  if (error)
    SetLastError(error);
  return !error;
}

// Runs of cells ------------------------------------------------------------------

enum RunKind {
  READ_CHARACTERS,
  READ_WIDE_CHARACTERS,
  READ_ATTRIBUTES,
  WRITE_CHARACTERS,
  WRITE_WIDE_CHARACTERS,
  WRITE_ATTRIBUTES,
  FILL_ATTRIBUTE
};

// Where a run starts, as a cell index. Reads and writes need a position
// inside the buffer. Wine's fill only checks the row and then counts cells
// from the buffer's start in unsigned arithmetic, so a column past the
// right edge goes on into the next rows and a negative column in row y
// lands at the end of an earlier row.
static int StartOfRun(RunKind kind, COORD start, DWORD *first) {
  if (start.Y < 0 || start.Y >= Height)
    return 0;
  if (kind != FILL_ATTRIBUTE) {
    if (start.X < 0 || start.X >= Width)
      return 0;
    *first = (DWORD)start.Y * (DWORD)Width + (DWORD)start.X;
    return 1;
  }
  DWORD index = (DWORD)start.Y * (DWORD)Width + (DWORD)(int)start.X;
  if (index >= (DWORD)Width * (DWORD)Height)
    return 0;
  *first = index;
  return 1;
}

// One shape for the five run operations: the checks, the clipping to the
// buffer and the count are the same; only what happens to a cell differs.
static BOOL RunOverCells(const char *name, RunKind kind, HANDLE console, void *buffer,
                         WORD fillAttribute, DWORD length, COORD start, LPDWORD count) {
  if (TakeInjectedFault(name)) {
    if (count)
      *count = 0;
    return FALSE;
  }
  if (!count) {
    SetLastError(ERROR_INVALID_ACCESS); // what Wine answers
    return FALSE;
  }
  *count = 0;
  LockConsole();
  DWORD error = !IsOutputHandle(console)                            ? ERROR_INVALID_HANDLE
                : (!buffer && kind != FILL_ATTRIBUTE && length > 0) ? ERROR_INVALID_PARAMETER
                                                                    : ERROR_SUCCESS;
  DWORD done = 0;
  DWORD first = 0;
  if (!error && StartOfRun(kind, start, &first)) {
    DWORD available = (DWORD)Width * (DWORD)Height - first;
    done = length < available ? length : available;
    ConsoleCell *cell = Cells + first;
    for (DWORD i = 0; i < done; i++, cell++) {
      switch (kind) {
      case READ_CHARACTERS:
        ((char *)buffer)[i] = (char)UnicodeToCodePage(OutputCodePage, cell->character);
        break;
      case READ_WIDE_CHARACTERS:
        ((WCHAR *)buffer)[i] = cell->character;
        break;
      case READ_ATTRIBUTES:
        ((WORD *)buffer)[i] = cell->attribute;
        break;
      case WRITE_CHARACTERS:
        cell->character = CodePageToUnicode(OutputCodePage, ((const BYTE *)buffer)[i]);
        break;
      case WRITE_WIDE_CHARACTERS:
        cell->character = ((const WCHAR *)buffer)[i];
        break;
      case WRITE_ATTRIBUTES:
        cell->attribute = ((const WORD *)buffer)[i];
        break;
      case FILL_ATTRIBUTE:
        cell->attribute = fillAttribute;
        break;
      }
    }
  }
  UnlockConsole();
  if (error) {
    SetLastError(error);
    return FALSE;
  }
  *count = done;
  // Wine's character read leaves this behind when it reads nothing.
  if (kind == READ_CHARACTERS && done == 0)
    SetLastError(ERROR_INVALID_PARAMETER);
  return TRUE;
}

extern "C" BOOL WINAPI ReadConsoleOutputCharacterA(HANDLE hConsoleOutput, LPSTR lpCharacter,
                                                   DWORD nLength, COORD dwReadCoord,
                                                   LPDWORD lpNumberOfCharsRead) {
  return RunOverCells("ReadConsoleOutputCharacterA", READ_CHARACTERS, hConsoleOutput, lpCharacter,
                      0, nLength, dwReadCoord, lpNumberOfCharsRead);
}

extern "C" BOOL WINAPI ReadConsoleOutputCharacterW(HANDLE hConsoleOutput, LPWSTR lpCharacter,
                                                   DWORD nLength, COORD dwReadCoord,
                                                   LPDWORD lpNumberOfCharsRead) {
  return RunOverCells("ReadConsoleOutputCharacterW", READ_WIDE_CHARACTERS, hConsoleOutput,
                      lpCharacter, 0, nLength, dwReadCoord, lpNumberOfCharsRead);
}

extern "C" BOOL WINAPI WriteConsoleOutputCharacterW(HANDLE hConsoleOutput, LPCWSTR lpCharacter,
                                                    DWORD nLength, COORD dwWriteCoord,
                                                    LPDWORD lpNumberOfCharsWritten) {
  return RunOverCells("WriteConsoleOutputCharacterW", WRITE_WIDE_CHARACTERS, hConsoleOutput,
                      (void *)lpCharacter, 0, nLength, dwWriteCoord, lpNumberOfCharsWritten);
}

extern "C" BOOL WINAPI ReadConsoleOutputAttribute(HANDLE hConsoleOutput, LPWORD lpAttribute,
                                                  DWORD nLength, COORD dwReadCoord,
                                                  LPDWORD lpNumberOfAttrsRead) {
  return RunOverCells("ReadConsoleOutputAttribute", READ_ATTRIBUTES, hConsoleOutput, lpAttribute, 0,
                      nLength, dwReadCoord, lpNumberOfAttrsRead);
}

extern "C" BOOL WINAPI WriteConsoleOutputCharacterA(HANDLE hConsoleOutput, LPCSTR lpCharacter,
                                                    DWORD nLength, COORD dwWriteCoord,
                                                    LPDWORD lpNumberOfCharsWritten) {
  return RunOverCells("WriteConsoleOutputCharacterA", WRITE_CHARACTERS, hConsoleOutput,
                      (void *)lpCharacter, 0, nLength, dwWriteCoord, lpNumberOfCharsWritten);
}

extern "C" BOOL WINAPI WriteConsoleOutputAttribute(HANDLE hConsoleOutput, const WORD *lpAttribute,
                                                   DWORD nLength, COORD dwWriteCoord,
                                                   LPDWORD lpNumberOfAttrsWritten) {
  return RunOverCells("WriteConsoleOutputAttribute", WRITE_ATTRIBUTES, hConsoleOutput,
                      (void *)lpAttribute, 0, nLength, dwWriteCoord, lpNumberOfAttrsWritten);
}

extern "C" BOOL WINAPI FillConsoleOutputAttribute(HANDLE hConsoleOutput, WORD wAttribute,
                                                  DWORD nLength, COORD dwWriteCoord,
                                                  LPDWORD lpNumberOfAttrsWritten) {
  return RunOverCells("FillConsoleOutputAttribute", FILL_ATTRIBUTE, hConsoleOutput, NULL,
                      wAttribute, nLength, dwWriteCoord, lpNumberOfAttrsWritten);
}

// Rectangles ------------------------------------------------------------------

// Characters and attributes of a rectangle in one call. As in Wine, the
// region is cut to the screen buffer and to the caller's buffer, and comes
// back as the part done; with nothing left the call fails.
static BOOL CopyRectangle(const char *name, int write, HANDLE console, CHAR_INFO *buffer,
                          COORD size, COORD from, SMALL_RECT *region) {
  if (TakeInjectedFault(name))
    return FALSE;
  if (!buffer || !region) {
    SetLastError(ERROR_INVALID_ACCESS);
    return FALSE;
  }
  LockConsole();
  DWORD error = IsOutputHandle(console) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
  int left = region->Left, top = region->Top;
  int right = region->Right, bottom = region->Bottom;
  if (!error) {
    if (right > left + (size.X - from.X) - 1)
      right = left + (size.X - from.X) - 1;
    if (bottom > top + (size.Y - from.Y) - 1)
      bottom = top + (size.Y - from.Y) - 1;
    int firstX = left < 0 ? 0 : left, firstY = top < 0 ? 0 : top;
    int lastX = right >= Width ? Width - 1 : right, lastY = bottom >= Height ? Height - 1 : bottom;
    if (firstX > lastX || firstY > lastY || from.X < 0 || from.Y < 0) {
      error = ERROR_INVALID_PARAMETER;
    } else {
      for (int y = firstY; y <= lastY; y++)
        for (int x = firstX; x <= lastX; x++) {
          CHAR_INFO *info = &buffer[(from.Y + y - top) * size.X + (from.X + x - left)];
          ConsoleCell *cell = &Cells[y * Width + x];
          if (write) {
            cell->character = info->Char.UnicodeChar;
            cell->attribute = info->Attributes;
          } else {
            info->Char.UnicodeChar = cell->character;
            info->Attributes = cell->attribute;
          }
        }
      region->Left = (SHORT)firstX;
      region->Top = (SHORT)firstY;
      region->Right = (SHORT)lastX;
      region->Bottom = (SHORT)lastY;
    }
  }
  UnlockConsole();
  if (error) {
    SetLastError(error);
    return FALSE;
  }
  return TRUE;
}

// What another thread does right after a read, for tests; run once.
static std::atomic<void (*)(void)> AfterRead(nullptr);

extern "C" BOOL WINAPI ReadConsoleOutputW(HANDLE hConsoleOutput, CHAR_INFO *lpBuffer,
                                          COORD dwBufferSize, COORD dwBufferCoord,
                                          SMALL_RECT *lpReadRegion) {
  BOOL done = CopyRectangle("ReadConsoleOutputW", 0, hConsoleOutput, lpBuffer, dwBufferSize,
                            dwBufferCoord, lpReadRegion);
  void (*hook)(void) = AfterRead.exchange(nullptr);
  if (hook)
    hook();
  return done;
}

extern "C" BOOL WINAPI WriteConsoleOutputW(HANDLE hConsoleOutput, const CHAR_INFO *lpBuffer,
                                           COORD dwBufferSize, COORD dwBufferCoord,
                                           SMALL_RECT *lpWriteRegion) {
  return CopyRectangle("WriteConsoleOutputW", 1, hConsoleOutput, (CHAR_INFO *)lpBuffer,
                       dwBufferSize, dwBufferCoord, lpWriteRegion);
}

// Control ------------------------------------------------------------------

extern "C" void WinSubset_SetConsole(int present, SHORT width, SHORT height) {
  pthread_mutex_lock(&ConsoleLock);
  CreateConsoleLocked(present ? width : 0, present ? height : 0);
  pthread_mutex_unlock(&ConsoleLock);
}

extern "C" void WinSubset_AfterNextConsoleRead(void (*hook)(void)) { AfterRead.store(hook); }

void ResetConsole(void) {
  AfterRead.store(nullptr);
  pthread_mutex_lock(&ConsoleLock);
  CreateConsoleLocked(DEFAULT_WIDTH, DEFAULT_HEIGHT);
  pthread_mutex_unlock(&ConsoleLock);
}
