// A scripted host: the services a plugin gets in its PluginStartupInfo,
// recording every call and answering menus as the test says.
#ifndef HORALIS_TESTS_FAKE_HOST_H
#define HORALIS_TESTS_FAKE_HOST_H

#include <atomic>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "far_plugin.h"

struct MenuCall {
  int moduleNumber, x, y, maxHeight;
  unsigned flags;
  std::string title, bottom, helpTopic;
  std::vector<int> breakKeys;
  std::vector<FarMenuItem> items;
};

struct MenuReply {
  int result;
  int breakCode; // -1 when no break key ended the menu
};

struct MessageCall {
  int moduleNumber;
  unsigned flags;
  bool hasHelpTopic;
  std::vector<std::string> lines;
  int buttons;
};

struct FakeHost {
  int moduleNumber = 7;
  std::map<int, std::string> messages;
  // The plugin number of the last GetMsg call: the clock's thread asks too.
  std::atomic<int> lastGetMsgModule{-1};
  std::vector<MenuCall> menus;
  std::deque<MenuReply> menuReplies; // when empty, every menu is left with Esc
  std::vector<MessageCall> boxes;
  int boxReply = 0;
  std::vector<std::string> editorInserts;
  bool editorLocked = false; // the editor refuses insertions (read-only)
  std::vector<std::string> commandLineInserts;
};

// The one host of the test process; reset by NewFakeHost.
FakeHost &Host();

// A fresh host with the English messages the plugin's language file has,
// and the startup record a host would hand over for it.
PluginStartupInfo NewFakeHost(const char *rootKey);

// Menu reply helpers.
MenuReply Enter(int item);
MenuReply Esc();
MenuReply BreakKey(int item, int breakIndex);

#endif
