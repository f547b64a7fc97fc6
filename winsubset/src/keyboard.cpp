// GetAsyncKeyState over the keys tests hold down. The generic modifier
// keys count as down while either of their left or right keys is, as in
// Windows.
#include "winsubset_control.h"
#include "winsubset_internal.h"

static int KeyDown[256];

static int IsDown(int vk) { return __atomic_load_n(&KeyDown[vk], __ATOMIC_SEQ_CST); }

extern "C" short WINAPI GetAsyncKeyState(int vKey) {
  if (vKey < 0 || vKey > 255)
    return 0;
  int down = IsDown(vKey);
  if (vKey == VK_SHIFT)
    down = down || IsDown(VK_LSHIFT) || IsDown(VK_RSHIFT);
  else if (vKey == VK_CONTROL)
    down = down || IsDown(VK_LCONTROL) || IsDown(VK_RCONTROL);
  else if (vKey == VK_MENU)
    down = down || IsDown(VK_LMENU) || IsDown(VK_RMENU);
  return down ? (short)0x8000 : 0;
}

extern "C" void WinSubset_SetKeyDown(int vk, int down) {
  if (vk >= 0 && vk <= 255)
    __atomic_store_n(&KeyDown[vk], down ? 1 : 0, __ATOMIC_SEQ_CST);
}

void ResetKeyboard(void) {
  for (int vk = 0; vk < 256; vk++)
    __atomic_store_n(&KeyDown[vk], 0, __ATOMIC_SEQ_CST);
}
