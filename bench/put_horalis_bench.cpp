// PutHoralis of the shipped DLL against the bare clipboard, time and
// strftime calls it must make.
#include <time.h>

#include "bench/bench_harness.h"
#include "bench/bench_host.h"
#include "tests/support/clipboard_text.h"

static const char Format[] = "%d %B %Y %H:%M";
static ShippedPlugin Plugin;

static void CallPutHoralis(void *) { Plugin.PutHoralis(Format, NULL); }

static void BarePut(void *) {
  char text[80];
  time_t now = time(NULL);
  strftime(text, sizeof text, Format, localtime(&now));
  OemToCharA(text, text);
  PutClipboardText(GetWindow(NULL, GW_HWNDFIRST), text);
}

int main() {
  Plugin = LoadShippedPlugin();
  PluginStartupInfo host = BenchHostTable();
  Plugin.SetStartupInfo(&host);
  BenchCompare("PutHoralis against its bare calls", CallPutHoralis, BarePut, NULL, 1.05);
  return BenchExitCode();
}
