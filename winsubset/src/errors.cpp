// The last error code, kept per thread as Windows keeps it.
#include <windows.h>

static thread_local DWORD LastError = 0;

extern "C" DWORD WINAPI GetLastError(void) { return LastError; }

extern "C" void WINAPI SetLastError(DWORD dwErrCode) { LastError = dwErrCode; }
