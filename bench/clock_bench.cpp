// The clock indicator's display loop on the real console: one pass against
// the bare console calls a pass must make, passes per second, the passes a
// repaint stays uncovered, and the heap allocations of a whole display on
// the clock's own thread.
#include <stdio.h>
#include <string.h>

#include "bench/allocation_counter.h"
#include "bench/bench_clock.h"
#include "bench/bench_harness.h"
#include "bench/bench_host.h"
#include "far_plugin.h"
#include "indicator/clock_indicator.h"

extern "C" void WINAPI SetStartupInfo(const struct PluginStartupInfo *Info);

static struct ClockDisplay Display;

static void OnePass(void *) { RunClockPass(&Display); }

// What a pass cannot do without: one read of the cells.
static void BareCalls(void *) {
  CHAR_INFO cells[CLOCK_TEXT_SIZE];
  COORD size = {(SHORT)Display.Length, 1};
  COORD origin = {0, 0};
  SMALL_RECT region = {Display.Position.X, Display.Position.Y,
                       (SHORT)(Display.Position.X + (SHORT)Display.Length - 1), Display.Position.Y};
  ReadConsoleOutputW(Display.Console, cells, size, origin, &region);
}

// The text in the top right corner, drawn once: later passes find it intact.
static void PlaceDisplay(HANDLE console) {
  CONSOLE_SCREEN_BUFFER_INFO buffer;
  GetConsoleScreenBufferInfo(console, &buffer);
  memset(&Display, 0, sizeof Display);
  Display.Console = console;
  const char text[] = " 12:34:56  Mon 07 Dec 2026 ";
  Display.Length = (DWORD)strlen(text);
  MultiByteToWideChar(CP_OEMCP, 0, text, -1, Display.WideText, CLOCK_TEXT_SIZE);
  Display.Position.X = (SHORT)(buffer.dwSize.X - (SHORT)Display.Length);
  Display.Color = 0x1F;
  ReadClockCells(console, Display.SavedCells, Display.Length, Display.Position);
  RunClockPass(&Display);
}

// Passes after a repaint until one finds the text intact again: the first
// repaints it, so a repaint stays uncovered for that one pass.
static int WorstUncoveredPasses(int repaints) {
  int worst = 0;
  for (int trial = 0; trial < repaints; trial++) {
    DWORD written = 0;
    WriteConsoleOutputCharacterA(Display.Console, "repainted by the host", 21, Display.Position,
                                 &written);
    int uncovered = 0;
    while (RunClockPass(&Display) && uncovered < 100)
      uncovered++;
    if (uncovered > worst)
      worst = uncovered;
  }
  return worst;
}

enum { DISPLAY_PAUSE = 300 };

// A whole display as the menu entry starts it, with the plugin's own
// settings and thread; the allocations its thread makes are counted.
static long AllocationsOfOneDisplay(void) {
  PluginStartupInfo host = BenchHostTable();
  SetStartupInfo(&host);
  StoreBenchClockSettings(DISPLAY_PAUSE);
  long threads = CountProcessThreads();
  if (!CountAllocationsOffThisThread())
    printf("clock: the allocators could not be redirected\n");
  InvokeClockIndicator();
  Sleep(DISPLAY_PAUSE / 2);
  if (ClockRunning.load() != 1)
    printf("clock: the display did not start\n");
  if (!WaitForThreadCount(threads))
    printf("clock: the display's thread did not end\n");
  return AllocationsOffThread();
}

int main() {
  HANDLE console = TakeBenchConsole();
  if (console == INVALID_HANDLE_VALUE) {
    printf("clock: no console\n");
    return 1;
  }
  PlaceDisplay(console);
  BenchCompare("clock: one display pass against its bare calls", OnePass, BareCalls, NULL, 1.1);

  long passes = BenchCalibrate(OnePass, NULL) * 50;
  double seconds = BenchTimeSlice(OnePass, NULL, passes);
  printf("clock: %.0f passes per second (text intact)\n", passes / seconds);

  int worst = WorstUncoveredPasses(1000);
  printf("clock: a repaint stays uncovered for at most %d pass(es) in 1000 repaints\n", worst);
  WriteClockCells(console, Display.SavedCells, Display.Length, Display.Position);
  if (worst != 1)
    ++BenchFailures;

  long allocations = AllocationsOfOneDisplay();
  printf("clock: heap allocations on the clock's thread in a %d ms display: %ld  %s\n",
         DISPLAY_PAUSE, allocations, allocations == 0 ? "met" : "NOT MET");
  if (allocations != 0)
    ++BenchFailures;
  RemoveBenchSettings();
  return BenchExitCode();
}
