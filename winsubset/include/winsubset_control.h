/* What tests of the native build can do to the Win32 subset that real
   Windows offers no handle for: make calls fail, hold the clipboard as
   another program would, take the console away, press keys, fix the clock.
   Tests that use this run natively only. */
#ifndef HORALIS_WINSUBSET_CONTROL_H
#define HORALIS_WINSUBSET_CONTROL_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Back to a fresh process: empty registry and clipboard, an 80x25 console
   with code page 866, no faults, no keys down, the real clock. */
void WinSubset_Reset(void);
/* The system's ANSI and OEM code pages (1251 and 866 until a reset):
   1252, 437 and 932 (the characters of Cyrillic and of Japanese day
   names) besides those two. */
void WinSubset_SetCodePages(UINT ansi, UINT oem);

/* The next `count` calls of the function named `name` (for example
   "RegCreateKeyExA", "SetClipboardData") fail with `error`; a count of -1
   makes every call fail until the next reset. */
void WinSubset_FailCall(const char *name, DWORD error, int count);

/* Counts every call that can fail from now on, on any thread, and makes the
   k-th of them (from 1) fail with `error`; a k of 0 only counts. A reset
   stops the count. */
void WinSubset_FailNthCall(int k, DWORD error);

/* The calls counted since WinSubset_FailNthCall, and the name of the one
   made to fail ("" while none has). */
int WinSubset_CountedCalls(void);
const char *WinSubset_FailedCallName(void);

/* The whole registry as text, for comparing states byte for byte: a line
   "K <path>" per key and "V <path>\<name> <type> <hex bytes>" per value,
   keys in tree order. The text is the caller's to free (free()). */
char *WinSubset_DumpRegistry(void);

/* Another program holds the clipboard open (1) or lets it go (0). */
void WinSubset_HoldClipboard(int held);

/* The process has a console of the given size (1), or none at all (0). */
void WinSubset_SetConsole(int present, SHORT width, SHORT height);

/* The next ReadConsoleOutputW runs hook right after it has read, as a
   host writing between a reader's read and its write would. */
void WinSubset_AfterNextConsoleRead(void (*hook)(void));

/* A key is held down (1) or released (0), as GetAsyncKeyState sees it. */
void WinSubset_SetKeyDown(int vk, int down);

/* GetLocalTime reports this moment from now on, and GetSystemTime the same
   moment in UTC; null goes back to the clock. The zone is the process's
   (the TZ environment variable), as everywhere in the subset. */
void WinSubset_SetLocalTime(const SYSTEMTIME *moment);

/* GetSystemTime reports this moment from now on, and GetLocalTime the same
   moment in local time: a local time that occurs twice (the hour repeated
   when daylight saving ends) told apart. Null goes back to the clock. */
void WinSubset_SetUtcTime(const SYSTEMTIME *moment);

/* GetTickCount reports this value plus the real milliseconds since the call
   (so time still passes); handy for the 32-bit wrap. */
void WinSubset_SetTickBase(DWORD tick);

/* Threads started with _beginthread whose procedure has not yet returned. */
int WinSubset_LiveThreads(void);

/* GetModuleFileNameA(NULL) reports this path from now on. */
void WinSubset_SetExecutablePath(const char *path);

/* GetSystemDirectoryA and GetWindowsDirectoryA report these folders from
   now on; null goes back to Wine's (C:\windows\system32, C:\windows). */
void WinSubset_SetSystemFolders(const char *system, const char *windows);

/* FormatMessageA gives this text for the code from now on (with the line
   end Windows ends its texts with, when wanted); a null or empty text goes
   back to Wine's English texts. */
void WinSubset_SetSystemMessage(DWORD code, const char *text);

/* Everything sent to OutputDebugStringA since the last reset or take. The
   text is the caller's to free (free()). */
char *WinSubset_TakeDebugOutput(void);

#ifdef __cplusplus
}
#endif

#endif
