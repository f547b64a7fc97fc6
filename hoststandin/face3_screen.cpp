/* Text and the saved screens on the stand-in's grid, and InputBox. */
#include "face3_plugins.h"
#include "face3_services.h"
#include "host_log.h"
#include "screen.h"

namespace {

/* A palette colour as the console's attribute; an RGB colour has none
   here and shows as the panels' grey on black. */
int AttributeOf(const FarColor *color) {
  if (!color)
    return 0x07;
  int fg = color->Flags & FCF_FG_INDEX ? (int)(color->ForegroundColor & 0xF) : 7;
  int bg = color->Flags & FCF_BG_INDEX ? (int)(color->BackgroundColor & 0xF) : 0;
  return bg << 4 | fg;
}

void WINAPI Text(intptr_t x, intptr_t y, const FarColor *color, const wchar_t *text) {
  if (!text) {
    ScreenShow();
    return;
  }
  char oem[SCREEN_MAX_WIDTH + 1];
  WideToOem(text, oem, sizeof oem);
  ScreenPut((int)x, (int)y, AttributeOf(color), oem, SCREEN_MAX_WIDTH);
}

HANDLE WINAPI SaveScreen(intptr_t, intptr_t, intptr_t, intptr_t) {
  int handle = ScreenSave();
  return handle < 0 ? nullptr : (HANDLE)(intptr_t)(handle + 1);
}

void WINAPI RestoreScreen(HANDLE screen) {
  if (screen)
    ScreenRestore((int)(intptr_t)screen - 1);
  ScreenShow();
}

/* The saved picture given up, the grid as it stands kept. */
void WINAPI FreeScreen(HANDLE screen) {
  if (!screen)
    return;
  int now = ScreenSave();
  ScreenRestore((int)(intptr_t)screen - 1);
  ScreenRestore(now);
}

intptr_t WINAPI InputBox(const GUID *, const GUID *, const wchar_t *, const wchar_t *,
                         const wchar_t *, const wchar_t *, wchar_t *dest, size_t destSize,
                         const wchar_t *, INPUTBOXFLAGS) {
  if (dest && destSize)
    dest[0] = 0;
  HostLog("InputBox -> 0 (this stand-in has no 3.x input box yet; refused as by Esc)");
  return FALSE;
}

} // namespace

void Face3FillScreenServices(PluginStartupInfo *info) {
  info->Text = Text;
  info->SaveScreen = SaveScreen;
  info->RestoreScreen = RestoreScreen;
  info->FreeScreen = FreeScreen;
  info->InputBox = InputBox;
}
