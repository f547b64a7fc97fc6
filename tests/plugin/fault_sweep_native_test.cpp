// Every main scenario, run once to count the Win32 calls that can fail, then
// once more for each k with the k-th call failing. Whatever fails, the
// plugin must not crash, must write nowhere but its own key, must change no
// setting the scenario is not about, and must show the clipboard error box
// whenever the text did not reach the clipboard.
#include <stdio.h>
#include <string.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "hostlink/date_delivery.h"
#include "hostlink/dialog_binding.h"
#include "indicator/clock_indicator.h"
#include "plugin/plugin.h"
#include "presets/preset_dialog.h"
#include "presets/preset_menu.h"
#include "settings/settings_store.h"
#include "support/clipboard_text.h"
#include "support/fake_dialogs.h"
#include "support/fake_host.h"
#include "support/fresh_process_native.h"
#include "support/test_registry.h"
#include "winsubset_control.h"

namespace {

// A per-user root as long as hosts hand over (174 characters).
const char Root[] = "Software\\Far\\Users\\Administrator.CORPORATE-DOMAIN-EXAMPLE-WITH-A-LONG-NAME"
                    "\\Profiles\\Roaming-Profile-Of-The-Administrator-On-A-Server-Far-Away-In-The-"
                    "Corporate-Network\\Plugins";
const std::string PluginKey = std::string(Root) + "\\Horalis\\";

// A person who changes the preset's texts and confirms.
int TypeAPreset(FakeDialog &dialog) {
  strcpy(dialog.items[PRESET_ITEM_NAME].text, "Typed");
  strcpy(dialog.items[PRESET_ITEM_FORMAT].text, "%H:%M typed");
  dialog.items[PRESET_ITEM_QUICK_INSERT].status = 1;
  return 0;
}

// A person who picks the 15th cell of the calendar, a day of the month shown
// whatever its first weekday.
int PickADay(FakeDialog &dialog) {
  SelectRadio(dialog, 15);
  return 15;
}

// A person who switches a quick-format dialog to the custom format.
int ChooseCustom(FakeDialog &dialog) {
  SelectRadio(dialog, 3);
  strcpy(dialog.items[4].text, "%Y typed");
  return 0;
}

// SAVED: nothing delivered, and the typed format saved in one of the scenario's
// keys, or the box saying the settings were not saved.
enum Delivery { NOTHING_DELIVERED, TO_EDITOR, TO_COMMAND_LINE, TO_CLIPBOARD, SAVED };

// Built by a call, so that the table below keeps a scenario to a line or two.
struct Scenario {
  Scenario(const char *name, bool startedUp, std::vector<MenuReply> menus,
           std::vector<Person> people, std::function<void()> run,
           std::vector<std::string> mayChange, Delivery delivery, bool nothingStored = false)
      : name(name), startedUp(startedUp), menus(std::move(menus)), people(std::move(people)),
        run(std::move(run)), mayChange(std::move(mayChange)), delivery(delivery),
        nothingStored(nothingStored) {}
  const char *name;
  bool startedUp; // SetStartupInfo has run before the calls are counted
  std::vector<MenuReply> menus;
  std::vector<Person> people;
  std::function<void()> run;
  // Keys under the plugin's key whose values the scenario may change.
  std::vector<std::string> mayChange;
  Delivery delivery;
  bool nothingStored; // a first run: no settings at all
};

// The plugin opened from the editor, the panels or the viewer, and its
// settings opened from the host's configuration menu.
void FromEditor() { OpenPlugin(OPEN_EDITOR, 0); }
void FromPanels() { OpenPlugin(OPEN_PLUGINSMENU, 0); }
void FromViewer() { OpenPlugin(OPEN_VIEWER, 0); }
void FromConfiguration() { Configure(0); }

// The host hands its table over and asks what the plugin offers.
void StartUp() {
  PluginStartupInfo startup = NewFakeHost(Root);
  SetStartupInfo(&startup);
  PluginInfo info;
  GetPluginInfo(&info);
}

// One display that is asked to stop at its first check, so that it makes
// the same calls every time: the menu entry starts it, and the host waits
// for its thread to end.
void ShowTheClockOnce() {
  ClockStopRequest.store(1);
  FromEditor();
  for (int waited = 0; WinSubset_LiveThreads() > 0 && waited < 5000; waited++)
    Sleep(1);
}

const std::vector<Scenario> &Scenarios() {
  static const std::vector<Scenario> table = {
      Scenario("start-up", false, {}, {}, StartUp, {}, NOTHING_DELIVERED),
      Scenario("start-up with nothing stored", false, {}, {}, StartUp, {"Config"},
               NOTHING_DELIVERED, true),
      Scenario("quick insertion with nothing stored", true, {Enter(0)}, {}, FromEditor, {"Auto"},
               TO_EDITOR, true),
      Scenario("quick insertion into the editor", true, {Enter(0)}, {}, FromEditor, {}, TO_EDITOR),
      Scenario("quick insertion into the command line", true, {Enter(0)}, {}, FromPanels, {},
               TO_COMMAND_LINE),
      Scenario("quick insertion onto the clipboard", true, {Enter(0)}, {}, FromViewer, {},
               TO_CLIPBOARD),
      // Ins fills the first free slot, 5; a slot it cannot read is passed
      // over as possibly kept, so with slot 5's check failing it fills 6.
      Scenario("preset created with Ins", true, {Enter(1), BreakKey(5, PRESET_KEY_INSERT), Esc()},
               {TypeAPreset}, FromEditor, {"Format5", "Format6"}, SAVED),
      Scenario("preset edited with F4", true, {Enter(1), BreakKey(2, PRESET_KEY_EDIT), Esc()},
               {TypeAPreset}, FromEditor, {"Format2"}, SAVED),
      Scenario("preset deleted with Del", true, {Enter(1), BreakKey(3, PRESET_KEY_DELETE), Esc()},
               {}, FromEditor, {"Format3"}, NOTHING_DELIVERED),
      Scenario("preset inserted at once into the editor", true, {Enter(1), Enter(1)}, {},
               FromEditor, {}, TO_EDITOR),
      Scenario("preset inserted at once onto the clipboard", true, {Enter(1), Enter(4)}, {},
               FromEditor, {}, TO_CLIPBOARD),
      Scenario("preset inserted from its dialog", true, {Enter(1), Enter(3)},
               {[](FakeDialog &) { return PRESET_INSERT; }}, FromPanels, {}, TO_COMMAND_LINE),
      Scenario("\"Auto\" settings confirmed", true, {Enter(0)}, {ChooseCustom}, FromConfiguration,
               {"Auto"}, SAVED),
      Scenario("\"Menu\" settings confirmed", true, {Enter(1)}, {ChooseCustom}, FromConfiguration,
               {"Menu"}, SAVED),
      Scenario("clock settings confirmed", true, {Enter(2)}, {ChooseCustom}, FromConfiguration,
               {"Indicator"}, SAVED),
      Scenario("clock display", true, {Enter(2)}, {}, ShowTheClockOnce, {}, NOTHING_DELIVERED),
      Scenario("calendar pick", true, {Enter(3)}, {PickADay}, FromEditor, {}, TO_EDITOR),
      Scenario("calendar format confirmed", true, {Enter(3)}, {TypeAPreset}, FromConfiguration,
               {"Format11"}, SAVED),
  };
  return table;
}

// A user who has used every feature.
void StoreEverything() {
  PutRegNumber(PluginKey + "Config", "NoUseMenu", 0);
  PutRegNumber(PluginKey + "Auto", "Custom", 1);
  PutRegString(PluginKey + "Auto", "Format", "%d.%m.%Y auto");
  PutRegNumber(PluginKey + "Menu", "Custom", 1);
  PutRegString(PluginKey + "Menu", "Format", "%H menu");
  PutPreset(PluginKey + "Format0", "", "%j free", 0);
  PutPreset(PluginKey + "Format1", "Editor", "%Y-%m-%d", PackPresetMode(1, 0, 1));
  PutPreset(PluginKey + "Format2", "Second", "%A", 0);
  PutPreset(PluginKey + "Format3", "Third", "%B", PackPresetMode(0, 1, 1));
  PutPreset(PluginKey + "Format4", "Clipboard", "%H:%M clip", PackPresetMode(1, 0, 0));
  PutPreset(PluginKey + "Format11", "Calendar", "%x", PackPresetMode(0, 0, 1));
  const std::string clock = PluginKey + "Indicator";
  PutRegNumber(clock, "Custom", 1);
  PutRegString(clock, "Format", " %H:%M clock ");
  const char *numbers[] = {"Title", "Color", "Pause", "Xcoord", "Ycoord", "SwitchMode", "CtrlOff"};
  const DWORD values[] = {1, 0x1F, 5000, 2, 1, 1, 0};
  for (int i = 0; i < 7; i++)
    PutRegNumber(clock, numbers[i], values[i]);
}

// Another plugin's settings beside Horalis's under the host's root, and
// another program's.
void StoreOtherPrograms() {
  PutRegString(std::string(Root) + "\\Other", "Keep", "another plugin's");
  PutRegString("Software\\Elsewhere", "Keep", "not the host's");
}

// The registry dump as one line per key or value, by what it names.
std::map<std::string, std::string> RegistryLines() {
  std::map<std::string, std::string> lines;
  std::istringstream stream(RegistryDump());
  for (std::string line; std::getline(stream, line);) {
    // "K path" or "V path\name type bytes": what it names ends at the first
    // blank after the path.
    size_t end = line.find(' ', 2);
    lines[line.substr(0, end)] = line;
  }
  return lines;
}

bool MayChange(const Scenario &scenario, const std::string &named) {
  // The plugin's own key comes with the first of its keys.
  if (!scenario.mayChange.empty() && named == "K " + PluginKey.substr(0, PluginKey.size() - 1))
    return true;
  for (const std::string &key : scenario.mayChange) {
    std::string path = PluginKey + key;
    size_t at = named.find(path);
    if (at == 2 && (named.size() == 2 + path.size() || named[2 + path.size()] == '\\'))
      return true;
  }
  return false;
}

// Names what differs and may not: an empty text when all is well.
std::string ForbiddenChanges(const Scenario &scenario,
                             const std::map<std::string, std::string> &before,
                             const std::map<std::string, std::string> &after) {
  std::string forbidden;
  std::map<std::string, std::string> all = before;
  all.insert(after.begin(), after.end());
  for (const auto &entry : all) {
    auto was = before.find(entry.first), is = after.find(entry.first);
    bool same = was != before.end() && is != after.end() && was->second == is->second;
    if (!same && !MayChange(scenario, entry.first))
      forbidden += "\n  " + entry.first +
                   (was == before.end() ? " appeared"
                    : is == after.end() ? " vanished"
                                        : " changed");
  }
  return forbidden;
}

bool SaveBoxShown() {
  for (const MessageCall &box : Host().boxes)
    if (box.lines.size() >= 2 && box.lines[1] == "The settings could not be saved.")
      return true;
  return false;
}

bool ErrorBoxShown() {
  for (const MessageCall &box : Host().boxes)
    if (box.lines.size() >= 2 && box.lines[0].rfind("Error (", 0) == 0 &&
        box.lines[1] == "The text could not be put on the clipboard.")
      return true;
  return false;
}

// The characters of the whole console screen.
std::string Screen() {
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(console, &info))
    return "<no console>";
  std::string cells((size_t)info.dwSize.X * info.dwSize.Y, ' ');
  COORD origin = {0, 0};
  DWORD read = 0;
  ReadConsoleOutputCharacterA(console, &cells[0], (DWORD)cells.size(), origin, &read);
  return cells;
}

bool IsClipboardCall(const std::string &name) {
  for (const char *call : {"OpenClipboard", "EmptyClipboard", "SetClipboardData", "CloseClipboard",
                           "GlobalAlloc", "GlobalLock", "OemToCharA"})
    if (name == call)
      return true;
  return false;
}

// What went wrong with the delivery: an empty text when all is well. With
// no call failing the text arrives where the scenario sends it; with one
// failing it may not arrive (a preset that cannot be read is shown in its
// dialog instead), but never elsewhere, never twice, and a text that did
// not reach the clipboard brings up the error box.
std::string DeliveryProblem(const Scenario &scenario, const std::string &failed) {
  Delivery delivery = scenario.delivery;
  size_t editor = Host().editorInserts.size(), commandLine = Host().commandLineInserts.size();
  size_t wanted = failed.empty() ? 1 : editor + commandLine;
  if (wanted > 1)
    return "more than one insertion";
  switch (delivery) {
  case TO_CLIPBOARD:
    if (editor + commandLine != 0)
      return "an insertion instead of the clipboard";
    if (failed.empty() ? ClipboardText() != DateText
                       : IsClipboardCall(failed) && !ErrorBoxShown() && ClipboardText() != DateText)
      return "the text is neither on the clipboard nor the error box shown";
    break;
  case TO_EDITOR:
    if (editor != wanted || commandLine != 0)
      return "not the one insertion into the editor";
    break;
  case TO_COMMAND_LINE:
    if (commandLine != wanted || editor != 0)
      return "not the one insertion into the command line";
    break;
  case SAVED: {
    bool saved = false;
    for (const std::string &key : scenario.mayChange)
      saved = saved || GetRegText(PluginKey + key, "Format").find("typed") != std::string::npos;
    if (!saved && !SaveBoxShown())
      return "the dialog closed as if saved, but nothing was saved";
  }
    [[fallthrough]];
  case NOTHING_DELIVERED:
    if (editor + commandLine != 0)
      return "an insertion the scenario did not ask for";
    break;
  }
  return "";
}

// One run of a scenario with the k-th call failing (0: none). Returns the
// number of calls counted.
int RunOnce(const Scenario &scenario, int k) {
  StartFreshProcess();
  StoreOtherPrograms();
  if (!scenario.nothingStored)
    StoreEverything();
  ScriptHost(Root, scenario.startedUp, scenario.menus, scenario.people);
  std::map<std::string, std::string> before = RegistryLines();
  std::string screen = Screen();

  WinSubset_FailNthCall(k, ERROR_ACCESS_DENIED);
  scenario.run();
  int counted = WinSubset_CountedCalls();
  std::string failed = WinSubset_FailedCallName();
  WinSubset_FailNthCall(0, 0);

  std::string run = std::string(scenario.name) + ", call " + std::to_string(k) + " (" +
                    (failed.empty() ? "none" : failed) + ") failing";
  EXPECT_EQ("", ForbiddenChanges(scenario, before, RegistryLines()))
      << run << ": the registry changed where the scenario may not change it";
  EXPECT_EQ(0, LiveDialogs()) << run << ": every dialog freed";
  EXPECT_EQ(0, WinSubset_LiveThreads()) << run << ": the clock's thread ended";
  // The clock puts back what it covered, unless putting it back failed.
  bool puttingBackFailed = failed.rfind("WriteConsoleOutput", 0) == 0;
  EXPECT_TRUE(puttingBackFailed || screen == Screen()) << run << ": the screen as it was";
  EXPECT_EQ("", DeliveryProblem(scenario, failed)) << run;
  return counted;
}

} // namespace

TEST(FaultSweep, EveryCallOfEveryScenarioFailsOnceWithoutHarm) {
  int runs = 0, calls = 0;
  for (const Scenario &scenario : Scenarios()) {
    int counted = RunOnce(scenario, 0);
    EXPECT_GT(counted, 0) << scenario.name << " makes calls that can fail";
    for (int k = 1; k <= counted; k++) {
      RunOnce(scenario, k);
      runs++;
    }
    calls += counted;
  }
  printf("fault sweep: %d scenarios, %d calls, %d runs with one call failing\n",
         (int)Scenarios().size(), calls, runs);
  EndFreshProcess();
}
