// Back to a fresh process, for tests.
#include "winsubset_control.h"
#include "winsubset_internal.h"

extern "C" void WinSubset_Reset(void) {
  ResetFaults();
  ResetCodePages();
  ResetRegistry();
  ResetClipboard();
  ResetConsole();
  ResetKeyboard();
  ResetClock();
  ResetModulePath();
  ResetDebugOutput();
  ResetSystemFolders();
  ResetSystemMessage();
  SetLastError(0);
}
