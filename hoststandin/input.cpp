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

int InputScripted(void) { return Scripted; }

int InputNext(HostKey *key) {
  if (!Scripted) {
    if (Reader && Reader(key))
      return 1;
    ++RanOut;
    return 0;
  }
  while (ScriptPos < ScriptCount) {
    *key = Script[ScriptPos++];
    if (key->Code == HK_DUMP) {
      HostLog("dump");
      if (Dumper)
        Dumper();
      continue;
    }
    if (key->Code == HK_WAIT) {
      HostLog("wait %d", key->Char);
      Sleep((DWORD)key->Char);
      continue;
    }
    char name[48];
    DescribeKey(key, name, sizeof name);
    HostLog("key %s", name);
    return 1;
  }
  ++RanOut;
  return 0;
}

int InputRemaining(void) { return Scripted ? ScriptCount - ScriptPos : 0; }

int InputRanOutInside(void) { return RanOut; }

HostKey InputNextOrEsc(void) {
  HostKey key;
  if (!InputNext(&key))
    key = NamedKey(HK_ESC, 0);
  return key;
}
