#include "host_link.h"

#include "dialoggen.h"

namespace {

struct PluginStartupInfo Host;
int HostKnown;

} // namespace

const struct PluginStartupInfo *HostServices(void) { return HostKnown ? &Host : 0; }

void ForgetHostServices(void) { HostKnown = 0; }

extern "C" void __cdecl DG_Init(struct PluginStartupInfo Info) {
  Host = Info;
  HostKnown = 1;
}
