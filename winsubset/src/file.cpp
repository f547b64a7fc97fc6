// Files by name: their attributes, and deleting, moving and replacing them
// as Wine does on a Unix file system. Paths are the host's own.
#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "winsubset_internal.h"

// Wine names a missing folder on the way ERROR_PATH_NOT_FOUND; here, as
// Unix does, only a file in its place tells it from a missing file.
static DWORD ErrorOfErrno(void) {
  switch (errno) {
  case ENOENT:
    return ERROR_FILE_NOT_FOUND;
  case ENOTDIR:
    return ERROR_PATH_NOT_FOUND;
  case EEXIST:
    return ERROR_ALREADY_EXISTS;
  default:
    return ERROR_ACCESS_DENIED;
  }
}

static BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

extern "C" DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName) {
  if (TakeInjectedFault("GetFileAttributesA"))
    return INVALID_FILE_ATTRIBUTES;
  struct stat status;
  if (!lpFileName || stat(lpFileName, &status) != 0) {
    SetLastError(lpFileName ? ErrorOfErrno() : ERROR_INVALID_PARAMETER);
    return INVALID_FILE_ATTRIBUTES;
  }
  DWORD attributes = S_ISDIR(status.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
  if (!(status.st_mode & S_IWUSR))
    attributes |= FILE_ATTRIBUTE_READONLY;
  return attributes;
}

extern "C" BOOL WINAPI DeleteFileA(LPCSTR lpFileName) {
  if (TakeInjectedFault("DeleteFileA"))
    return FALSE;
  if (!lpFileName)
    return Fail(ERROR_INVALID_PARAMETER);
  struct stat status;
  if (stat(lpFileName, &status) != 0)
    return Fail(ErrorOfErrno());
  if (S_ISDIR(status.st_mode) || !(status.st_mode & S_IWUSR))
    return Fail(ERROR_ACCESS_DENIED); // a folder, or a read-only file
  return unlink(lpFileName) == 0 ? TRUE : Fail(ErrorOfErrno());
}

extern "C" BOOL WINAPI MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
  if (TakeInjectedFault("MoveFileExA"))
    return FALSE;
  if (!lpExistingFileName || !lpNewFileName)
    return Fail(ERROR_INVALID_PARAMETER);
  struct stat status;
  if (stat(lpExistingFileName, &status) != 0)
    return Fail(ErrorOfErrno());
  if (!(dwFlags & MOVEFILE_REPLACE_EXISTING) && stat(lpNewFileName, &status) == 0)
    return Fail(ERROR_ALREADY_EXISTS);
  return rename(lpExistingFileName, lpNewFileName) == 0 ? TRUE : Fail(ErrorOfErrno());
}

// The replaced file takes the replacement's contents and keeps its own
// permissions; the replacement's name is gone. As in Wine, the replaced
// file must be named with its folder from the root. Only the form without
// a backup is known here.
extern "C" BOOL WINAPI ReplaceFileA(LPCSTR lpReplacedFileName, LPCSTR lpReplacementFileName,
                                    LPCSTR lpBackupFileName, DWORD dwReplaceFlags, LPVOID lpExclude,
                                    LPVOID lpReserved) {
  (void)dwReplaceFlags;
  if (TakeInjectedFault("ReplaceFileA"))
    return FALSE;
  if (!lpReplacedFileName || !lpReplacementFileName || lpBackupFileName || lpExclude || lpReserved)
    return Fail(ERROR_INVALID_PARAMETER);
  struct stat replaced, replacement;
  if (stat(lpReplacedFileName, &replaced) != 0 || stat(lpReplacementFileName, &replacement) != 0)
    return Fail(ErrorOfErrno());
  if (lpReplacedFileName[0] != '/')
    return Fail(ERROR_DIRECTORY);
  if (!(replaced.st_mode & S_IWUSR))
    return Fail(ERROR_ACCESS_DENIED); // a read-only file is not replaced
  if (chmod(lpReplacementFileName, replaced.st_mode & 07777) != 0 ||
      rename(lpReplacementFileName, lpReplacedFileName) != 0)
    return Fail(ErrorOfErrno());
  return TRUE;
}

extern "C" DWORD WINAPI GetFullPathNameA(LPCSTR lpFileName, DWORD nBufferLength, LPSTR lpBuffer,
                                         LPSTR *lpFilePart) {
  if (TakeInjectedFault("GetFullPathNameA"))
    return 0;
  if (!lpFileName || !lpFileName[0]) {
    SetLastError(ERROR_INVALID_NAME);
    return 0;
  }
  char folder[MAX_PATH] = "";
  if (lpFileName[0] != '/' && !getcwd(folder, sizeof folder)) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return 0;
  }
  char full[2 * MAX_PATH];
  int length = snprintf(full, sizeof full, "%s%s%s", folder, folder[0] ? "/" : "", lpFileName);
  if (length < 0 || (size_t)length >= sizeof full) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return 0;
  }
  // As Windows: the length with its terminator when the buffer is short.
  if ((DWORD)length >= nBufferLength || !lpBuffer)
    return (DWORD)length + 1;
  memcpy(lpBuffer, full, (size_t)length + 1);
  if (lpFilePart) {
    char *slash = strrchr(lpBuffer, '/');
    *lpFilePart = slash ? slash + 1 : lpBuffer;
  }
  return (DWORD)length;
}
