#include "input.h"

#include "host_log.h"

#include <windows.h>

namespace {

HostKey Script[KEY_SCRIPT_MAX];
int ScriptCount = 0;
int ScriptPos = 0;
int Scripted = 0;
int RanOut = 0;
KeyReader Reader = nullptr;
DumpWriter Dumper = nullptr;
void (*Idle)(void) = nullptr;
void (*Pump)(void) = nullptr;
int WaitingOnHost = 0;

} // namespace

void InputSetScript(const HostKey *keys, int count) {
  if (count > KEY_SCRIPT_MAX)
    count = KEY_SCRIPT_MAX;
  if (count < 0)
    count = 0;
  for (int i = 0; i < count; ++i)
    Script[i] = keys[i];
  ScriptCount = count;
  ScriptPos = 0;
  Scripted = 1;
  RanOut = 0;
}

void InputSetReader(KeyReader reader) {
  Reader = reader;
  Scripted = 0;
  RanOut = 0;
}

void InputSetDumpWriter(DumpWriter writer) { Dumper = writer; }

void InputSetIdle(void (*idle)(void)) { Idle = idle; }

void InputSetPump(void (*pump)(void)) { Pump = pump; }

void InputPump(void) {
  if (Pump)
    Pump();
}

void InputIdle(void) {
  if (Idle && WaitingOnHost)
    Idle();
}

int InputScripted(void) { return Scripted; }

namespace {

int IsHostStep(int code) {
  return code == HK_LANGUAGE || code == HK_UNLOAD || code == HK_TITLE || code == HK_CALL;
}

/* Sleeps, the host screens' idle work done every 50 ms. */
void WaitIdly(DWORD milliseconds) {
  DWORD start = GetTickCount();
  for (;;) {
    InputIdle();
    InputPump();
    DWORD gone = GetTickCount() - start;
    if (gone >= milliseconds)
      return;
    Sleep(milliseconds - gone < 50 ? milliseconds - gone : 50);
  }
}

/* The next key of the script; steps that any screen carries out (Dump,
   Wait) are done here, and the host's own steps are given only to the
   host's screens: a window skips them. */
int NextScripted(HostKey *key, int onHostScreens) {
  while (ScriptPos < ScriptCount) {
    *key = Script[ScriptPos++];
    char name[300];
    DescribeKey(key, name, sizeof name);
    if (key->Code == HK_DUMP) {
      HostLog("dump");
      if (Dumper)
        Dumper();
      continue;
    }
    if (key->Code == HK_WAIT) {
      HostLog("wait %d", key->Char);
      WaitIdly((DWORD)key->Char);
      continue;
    }
    if (IsHostStep(key->Code) && !onHostScreens) {
      HostLog("host: %s skipped: a window is open (it is for the host's own screens)", name);
      continue;
    }
    HostLog("key %s", name);
    return 1;
  }
  ++RanOut;
  return 0;
}

int ReadKey(HostKey *key, int onHostScreens) {
  InputPump();
  WaitingOnHost = onHostScreens;
  int read = Scripted ? NextScripted(key, onHostScreens) : Reader && Reader(key);
  WaitingOnHost = 0;
  if (!read && !Scripted)
    ++RanOut;
  return read;
}

} // namespace

int InputNext(HostKey *key) { return ReadKey(key, 0); }

int InputNextOnHost(HostKey *key) { return ReadKey(key, 1); }

int InputRemaining(void) { return Scripted ? ScriptCount - ScriptPos : 0; }

int InputRanOutInside(void) { return RanOut; }

HostKey InputNextOrEsc(void) {
  HostKey key;
  if (!InputNext(&key))
    key = NamedKey(HK_ESC, 0);
  return key;
}
