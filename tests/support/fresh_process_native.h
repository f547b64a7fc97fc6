// A plugin as a fresh process has it, for the native tests that run a
// scenario many times over: the Win32 subset back to its start, then a
// scripted host and the fake dialog library with the replies and the people
// of the run.
#ifndef HORALIS_TESTS_FRESH_PROCESS_NATIVE_H
#define HORALIS_TESTS_FRESH_PROCESS_NATIVE_H

#include <string>
#include <vector>

#include "support/fake_dialogs.h"
#include "support/fake_host.h"

// An empty registry and clipboard, no faults, and no handle of the plugin's
// left over from the run before.
void StartFreshProcess();

// A new host under `root` that answers the menus as given, SetStartupInfo
// when `startUp`, and the fake dialogs played by `people`.
void ScriptHost(const char *root, bool startUp, const std::vector<MenuReply> &menus,
                const std::vector<Person> &people);

// The subset's whole registry, a line a key or value.
std::string RegistryDump();

// Back to a fresh process once the runs are over, for the tests after.
void EndFreshProcess();

#endif
