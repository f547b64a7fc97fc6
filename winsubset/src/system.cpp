// The system's folders, the environment and the system's message texts.
// The folders are Wine's unless a test sets others.
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

static pthread_mutex_t FolderLock = PTHREAD_MUTEX_INITIALIZER;
static char SystemFolder[MAX_PATH] = "C:\\windows\\system32";
static char WindowsFolder[MAX_PATH] = "C:\\windows";

// Windows' contract: the length without the terminator, or the size needed
// with it when the buffer is too small.
static UINT CopyFolder(const char *folder, LPSTR buffer, UINT size) {
  pthread_mutex_lock(&FolderLock);
  UINT length = (UINT)strlen(folder);
  UINT result = length;
  if (buffer && length < size)
    memcpy(buffer, folder, length + 1);
  else
    result = length + 1;
  pthread_mutex_unlock(&FolderLock);
  return result;
}

extern "C" UINT WINAPI GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize) {
  if (TakeInjectedFault("GetSystemDirectoryA"))
    return 0;
  return CopyFolder(SystemFolder, lpBuffer, uSize);
}

extern "C" UINT WINAPI GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize) {
  if (TakeInjectedFault("GetWindowsDirectoryA"))
    return 0;
  return CopyFolder(WindowsFolder, lpBuffer, uSize);
}

extern "C" void WinSubset_SetSystemFolders(const char *system, const char *windows) {
  pthread_mutex_lock(&FolderLock);
  snprintf(SystemFolder, sizeof SystemFolder, "%s", system ? system : "C:\\windows\\system32");
  snprintf(WindowsFolder, sizeof WindowsFolder, "%s", windows ? windows : "C:\\windows");
  pthread_mutex_unlock(&FolderLock);
}

void ResetSystemFolders(void) { WinSubset_SetSystemFolders(NULL, NULL); }

extern "C" DWORD WINAPI GetEnvironmentVariableA(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize) {
  if (TakeInjectedFault("GetEnvironmentVariableA"))
    return 0;
  const char *value = lpName ? getenv(lpName) : NULL;
  if (!value) {
    SetLastError(ERROR_ENVVAR_NOT_FOUND);
    return 0;
  }
  DWORD length = (DWORD)strlen(value);
  if (!lpBuffer || length >= nSize)
    return length + 1;
  memcpy(lpBuffer, value, length + 1);
  return length;
}

extern "C" BOOL WINAPI SetEnvironmentVariableA(LPCSTR lpName, LPCSTR lpValue) {
  if (!lpName || !*lpName || strchr(lpName, '=')) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (lpValue)
    setenv(lpName, lpValue, 1);
  else
    unsetenv(lpName);
  return TRUE;
}

struct SystemMessage {
  DWORD code;
  const char *text;
};

// Wine's English texts of the codes the plugin meets.
static const SystemMessage Messages[] = {
    {ERROR_FILE_NOT_FOUND, "File not found.\r\n"},
    {ERROR_ACCESS_DENIED, "Access denied.\r\n"},
    {ERROR_INVALID_HANDLE, "Invalid handle.\r\n"},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough memory.\r\n"},
    {ERROR_INVALID_PARAMETER, "Invalid parameter.\r\n"},
    {ERROR_BADKEY, "Invalid key.\r\n"},
    {ERROR_CLIPBOARD_NOT_OPEN, "Clipboard not open.\r\n"},
};

// One text a test gives a code, as another Windows may word it.
static pthread_mutex_t MessageLock = PTHREAD_MUTEX_INITIALIZER;
static DWORD GivenCode;
static char GivenText[512];

extern "C" void WinSubset_SetSystemMessage(DWORD code, const char *text) {
  pthread_mutex_lock(&MessageLock);
  GivenCode = code;
  snprintf(GivenText, sizeof GivenText, "%s", text ? text : "");
  pthread_mutex_unlock(&MessageLock);
}

void ResetSystemMessage(void) { WinSubset_SetSystemMessage(0, NULL); }

// The given text of the code into `copy`, or Wine's, or null.
static const char *SystemText(DWORD code, char *copy, size_t size) {
  pthread_mutex_lock(&MessageLock);
  int given = GivenText[0] && GivenCode == code;
  if (given)
    snprintf(copy, size, "%s", GivenText);
  pthread_mutex_unlock(&MessageLock);
  if (given)
    return copy;
  for (const SystemMessage &message : Messages)
    if (message.code == code)
      return message.text;
  return NULL;
}

// Only FORMAT_MESSAGE_FROM_SYSTEM into the caller's buffer.
extern "C" DWORD WINAPI FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId,
                                       DWORD dwLanguageId, LPSTR lpBuffer, DWORD nSize,
                                       va_list *Arguments) {
  (void)lpSource;
  (void)dwLanguageId;
  (void)Arguments;
  if (TakeInjectedFault("FormatMessageA"))
    return 0;
  char given[sizeof GivenText];
  const char *text = SystemText(dwMessageId, given, sizeof given);
  if (!(dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) || (dwFlags & FORMAT_MESSAGE_ALLOCATE_BUFFER) ||
      !lpBuffer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (!text) {
    SetLastError(ERROR_MR_MID_NOT_FOUND);
    return 0;
  }
  DWORD length = (DWORD)strlen(text);
  if (length >= nSize) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  memcpy(lpBuffer, text, length + 1);
  return length;
}
