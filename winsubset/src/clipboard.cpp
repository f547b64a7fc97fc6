// The clipboard as Wine without a display has it. No window exists, so
// everyone opens it with a null owner, and Wine lets a null-owner open
// take the clipboard over from whoever holds it: another program holding
// it open (WinSubset_HoldClipboard) does not stop this process from
// opening, emptying and filling it. SetClipboardData only needs someone to
// have the clipboard open; emptying, reading and closing need the thread
// that opened it. On success the clipboard owns the data handed to it.
#include <pthread.h>
#include <string.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

enum { FORMAT_SLOTS = 16 };

enum ClipboardOpener { CLOSED, OPEN_IN_THIS_PROCESS, OPEN_ELSEWHERE };

struct ClipboardFormat {
  UINT format; // 0: slot free
  HANDLE data; // may be null: announced, not rendered
};

static pthread_mutex_t ClipboardLock = PTHREAD_MUTEX_INITIALIZER;
static ClipboardOpener Opener = CLOSED;
static pthread_t OpenerThread;
static ClipboardFormat Formats[FORMAT_SLOTS];

static int OpenedByThisThread(void) {
  return Opener == OPEN_IN_THIS_PROCESS && pthread_equal(OpenerThread, pthread_self());
}

static ClipboardFormat *FindFormat(UINT format) {
  for (int i = 0; i < FORMAT_SLOTS; i++)
    if (Formats[i].format == format)
      return &Formats[i];
  return NULL;
}

static void DropAllFormats(void) {
  for (int i = 0; i < FORMAT_SLOTS; i++) {
    if (Formats[i].format && Formats[i].data)
      GlobalFree(Formats[i].data);
    Formats[i].format = 0;
    Formats[i].data = NULL;
  }
}

extern "C" HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
  (void)hWnd, (void)uCmd;
  // There are no windows to find, as under Wine without a display.
  return NULL;
}

extern "C" BOOL WINAPI OpenClipboard(HWND hWndNewOwner) {
  if (TakeInjectedFault("OpenClipboard"))
    return FALSE;
  if (hWndNewOwner) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  pthread_mutex_lock(&ClipboardLock);
  Opener = OPEN_IN_THIS_PROCESS;
  OpenerThread = pthread_self();
  pthread_mutex_unlock(&ClipboardLock);
  return TRUE;
}

extern "C" BOOL WINAPI CloseClipboard(void) {
  if (TakeInjectedFault("CloseClipboard"))
    return FALSE;
  pthread_mutex_lock(&ClipboardLock);
  BOOL closed = OpenedByThisThread();
  if (closed)
    Opener = CLOSED;
  pthread_mutex_unlock(&ClipboardLock);
  if (!closed)
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return closed;
}

extern "C" BOOL WINAPI EmptyClipboard(void) {
  if (TakeInjectedFault("EmptyClipboard"))
    return FALSE;
  pthread_mutex_lock(&ClipboardLock);
  BOOL emptied = OpenedByThisThread();
  if (emptied)
    DropAllFormats();
  pthread_mutex_unlock(&ClipboardLock);
  if (!emptied)
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return emptied;
}

extern "C" HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem) {
  if (TakeInjectedFault("SetClipboardData"))
    return NULL;
  DWORD error = ERROR_SUCCESS;
  pthread_mutex_lock(&ClipboardLock);
  ClipboardFormat *slot = NULL;
  if (Opener == CLOSED)
    error = ERROR_CLIPBOARD_NOT_OPEN;
  else if (!uFormat)
    error = ERROR_INVALID_PARAMETER;
  else if (!(slot = FindFormat(uFormat)) && !(slot = FindFormat(0)))
    error = ERROR_NOT_ENOUGH_MEMORY;
  if (!error) {
    if (slot->format && slot->data && slot->data != hMem)
      GlobalFree(slot->data);
    slot->format = uFormat;
    slot->data = hMem;
  }
  pthread_mutex_unlock(&ClipboardLock);
  if (error) {
    SetLastError(error);
    return NULL;
  }
  return hMem;
}

// As Wine: the OEM text, when not put, is made from the Unicode text and
// kept with the clipboard's other data.
static ClipboardFormat *SynthesizedOemText(void) {
  ClipboardFormat *unicode = FindFormat(CF_UNICODETEXT);
  ClipboardFormat *free = FindFormat(0);
  const WCHAR *wide = unicode && unicode->data ? (const WCHAR *)GlobalLock(unicode->data) : NULL;
  int size = wide ? WideCharToMultiByte(CP_OEMCP, 0, wide, -1, NULL, 0, NULL, NULL) : 0;
  HGLOBAL block = size > 0 && free ? GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)size) : NULL;
  if (block) {
    WideCharToMultiByte(CP_OEMCP, 0, wide, -1, (char *)GlobalLock(block), size, NULL, NULL);
    GlobalUnlock(block);
    free->format = CF_OEMTEXT;
    free->data = block;
  }
  if (wide)
    GlobalUnlock(unicode->data);
  return block ? free : NULL;
}

extern "C" HANDLE WINAPI GetClipboardData(UINT uFormat) {
  if (TakeInjectedFault("GetClipboardData"))
    return NULL;
  HANDLE data = NULL;
  pthread_mutex_lock(&ClipboardLock);
  BOOL open = OpenedByThisThread();
  ClipboardFormat *slot = open && uFormat ? FindFormat(uFormat) : NULL;
  if (open && !slot && uFormat == CF_OEMTEXT)
    slot = SynthesizedOemText();
  if (slot)
    data = slot->data;
  pthread_mutex_unlock(&ClipboardLock);
  if (!open)
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return data;
}

extern "C" BOOL WINAPI IsClipboardFormatAvailable(UINT format) {
  pthread_mutex_lock(&ClipboardLock);
  BOOL available = format && FindFormat(format) != NULL;
  pthread_mutex_unlock(&ClipboardLock);
  return available;
}

extern "C" void WinSubset_HoldClipboard(int held) {
  pthread_mutex_lock(&ClipboardLock);
  if (held)
    Opener = OPEN_ELSEWHERE;
  else if (Opener == OPEN_ELSEWHERE)
    Opener = CLOSED; // a holder that lost the clipboard to us has nothing to close
  pthread_mutex_unlock(&ClipboardLock);
}

void ResetClipboard(void) {
  pthread_mutex_lock(&ClipboardLock);
  Opener = CLOSED;
  DropAllFormats();
  pthread_mutex_unlock(&ClipboardLock);
}
