// PutHoralis of the shipped DLL against the bare clipboard, time and
// strftime calls it must make.
#include <string.h>
#include <time.h>

#include "bench/bench_harness.h"
#include "bench/bench_host.h"

static const char Format[] = "%d %B %Y %H:%M";
static ShippedPlugin Plugin;

static void CallPutHoralis(void *) { Plugin.PutHoralis(Format, NULL); }

static void BarePut(void *) {
  HWND owner = GetWindow(NULL, GW_HWNDFIRST);
  OpenClipboard(owner);
  EmptyClipboard();
  char text[80];
  time_t now = time(NULL);
  strftime(text, sizeof text, Format, localtime(&now));
  OemToCharA(text, text);
  size_t size = strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(block), text, size);
  GlobalUnlock(block);
  if (!SetClipboardData(CF_TEXT, block))
    GlobalFree(block);
  CloseClipboard();
}

int main() {
  Plugin = LoadShippedPlugin();
  PluginStartupInfo host = BenchHostTable();
  Plugin.SetStartupInfo(&host);
  BenchCompare("PutHoralis against its bare calls", CallPutHoralis, BarePut, NULL, 1.05);
  return BenchExitCode();
}
