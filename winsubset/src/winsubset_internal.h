/* What the areas of the Win32 subset share with one another and with
   WinSubset_Reset. Not part of the interface the rest of the system sees. */
#ifndef HORALIS_WINSUBSET_INTERNAL_H
#define HORALIS_WINSUBSET_INTERNAL_H

#include <windows.h>

/* A fault armed with WinSubset_FailCall for `name`: consumes one call,
   sets the last error and returns its code; 0 when the call goes ahead. */
DWORD TakeInjectedFault(const char *name);

/* Code page conversions of single characters, for 866 and 1251 (the only
   code pages the subset knows): a byte to its Unicode character, and a
   Unicode character to the byte Wine writes for it ('?' when none). */
int IsKnownCodePage(UINT codePage);
// 1252, 437 and 932 (in part), for tests of other systems' code pages.
int IsOtherCodePage(UINT codePage);
int IsLeadByteOf(UINT codePage, BYTE byte);
int OtherToWide(UINT codePage, const BYTE *text, int length, WCHAR *wide, int wideSize);
int OtherFromWide(UINT codePage, const WCHAR *wide, int length, BYTE *text, int size, BOOL *lost);
void ResetCodePages(void);
WORD CodePageToUnicode(UINT codePage, BYTE ch);
BYTE UnicodeToCodePage(UINT codePage, WORD ch);
/* Case-insensitive key of an ANSI (1251) character, as the registry
   compares names: its lower-case Unicode character. */
WORD FoldAnsiChar(BYTE ch);

/* The values HKEY_LOCAL_MACHINE holds in a fresh process, Wine's own for
   the keys listed; the list ends with a null key. */
struct MachineValue {
  const char *Key; /* path below HKEY_LOCAL_MACHINE */
  const char *Name;
  DWORD Type;
  const char *Data;
  DWORD Size;
};
extern const struct MachineValue MachineValues[];

/* UTF-8 for MultiByteToWideChar and WideCharToMultiByte: the whole length
   given (terminator included when counted); a size of 0 asks for the
   length. Characters of the Basic Multilingual Plane only; an invalid
   byte becomes U+FFFD, as Windows does. */
int Utf8ToWide(const BYTE *text, int length, LPWSTR wide, int size);
int WideToUtf8(LPCWSTR wide, int length, BYTE *text, int size);

/* Back to the state of a fresh process, one area each. */
void ResetFaults(void);
void ResetRegistry(void);
void ResetClipboard(void);
void ResetConsole(void);
void ResetKeyboard(void);
void ResetClock(void);
void ResetModulePath(void);
void ResetDebugOutput(void);
void ResetSystemFolders(void);
void ResetSystemMessage(void);

#endif
