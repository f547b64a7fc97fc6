// PutHoralis of the shipped DLL against the bare clipboard, time and
// strftime calls it must make: the text and its Unicode form.
#include <string.h>
#include <time.h>

#include "bench/bench_harness.h"
#include "bench/bench_host.h"

static const char Format[] = "%d %B %Y %H:%M";
static ShippedPlugin Plugin;

static void CallPutHoralis(void *) { Plugin.PutHoralis(Format, NULL); }

static void PutBlock(UINT format, const void *data, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(block), data, size);
  GlobalUnlock(block);
  if (!SetClipboardData(format, block))
    GlobalFree(block);
}

// The text and its Unicode form, as every clipboard delivery puts them.
static void BarePut(void *) {
  char text[80];
  WCHAR wide[80];
  time_t now = time(NULL);
  strftime(text, sizeof text, Format, localtime(&now));
  int count = MultiByteToWideChar(CP_OEMCP, 0, text, -1, wide, 80);
  OemToCharA(text, text);
  if (!OpenClipboard(GetWindow(NULL, GW_HWNDFIRST)))
    return;
  EmptyClipboard();
  PutBlock(CF_TEXT, text, strlen(text) + 1);
  PutBlock(CF_UNICODETEXT, wide, (size_t)count * sizeof(WCHAR));
  CloseClipboard();
}

int main() {
  Plugin = LoadShippedPlugin();
  PluginStartupInfo host = BenchHostTable();
  Plugin.SetStartupInfo(&host);
  BenchCompare("PutHoralis against its bare calls", CallPutHoralis, BarePut, NULL, 1.05);
  return BenchExitCode();
}
