#include "support/fake_host.h"

#include <string.h>

static FakeHost *TheHost = new FakeHost;

FakeHost &Host() { return *TheHost; }

static int WINAPI FakeMenu(int PluginNumber, int X, int Y, int MaxHeight, unsigned int Flags,
                           const char *Title, const char *Bottom, const char *HelpTopic,
                           const int *BreakKeys, int *BreakCode, const FarMenuItem *Item,
                           int ItemsNumber) {
  MenuCall call{PluginNumber,
                X,
                Y,
                MaxHeight,
                Flags,
                Title ? Title : "",
                Bottom ? Bottom : "",
                HelpTopic ? HelpTopic : "",
                {},
                {}};
  for (const int *key = BreakKeys; key && *key; key++)
    call.breakKeys.push_back(*key);
  call.items.assign(Item, Item + ItemsNumber);
  Host().menus.push_back(call);
  MenuReply reply = Esc();
  if (!Host().menuReplies.empty()) {
    reply = Host().menuReplies.front();
    Host().menuReplies.pop_front();
  }
  if (BreakCode)
    *BreakCode = reply.breakCode;
  return reply.result;
}

static int WINAPI FakeDialog(int, int, int, int, int, const char *, FarDialogItem *, int) {
  return -1;
}

static int WINAPI FakeMessage(int PluginNumber, unsigned int Flags, const char *HelpTopic,
                              const char *const *Items, int ItemsNumber, int ButtonsNumber) {
  MessageCall call{PluginNumber, Flags, HelpTopic != nullptr, {}, ButtonsNumber};
  for (int i = 0; i < ItemsNumber; i++)
    call.lines.push_back(Items[i] ? Items[i] : "(null)");
  Host().boxes.push_back(call);
  return Host().boxReply;
}

static const char *WINAPI FakeGetMsg(int PluginNumber, int MsgId) {
  Host().lastGetMsgModule.store(PluginNumber);
  auto found = Host().messages.find(MsgId);
  return found == Host().messages.end() ? "" : found->second.c_str();
}

static int WINAPI FakeControl(HANDLE hPlugin, int Command, void *Param) {
  if (hPlugin != INVALID_HANDLE_VALUE || Command != FCTL_INSERTCMDLINE)
    return 0;
  Host().commandLineInserts.push_back(static_cast<const char *>(Param));
  return 1;
}

// A new line (ECTL_INSERTSTRING) is recorded as "\n"; a locked editor
// refuses both, as the host's does.
static int WINAPI FakeEditorControl(int Command, void *Param) {
  if ((Command != ECTL_INSERTTEXT && Command != ECTL_INSERTSTRING) || Host().editorLocked)
    return 0;
  Host().editorInserts.push_back(Command == ECTL_INSERTTEXT ? static_cast<const char *>(Param)
                                                            : "\n");
  return 1;
}

PluginStartupInfo NewFakeHost(const char *rootKey) {
  delete TheHost;
  TheHost = new FakeHost;
  FakeHost &host = Host();
  const char *english[] = {"Horalis date and time",
                           "&Insert date and time",
                           "&Presets...",
                           "&Clock indicator",
                           "C&alendar...",
                           "Horalis",
                           "Free format",
                           "%d %B %Y %H:%M",
                           " %H:%M:%S ",
                           "3000",
                           "",
                           "Enter insert, Ins new, F4 edit, Del delete",
                           "Enter run, F4 settings",
                           "Horalis presets",
                           "Enter or F4 settings"};
  for (int i = 0; i < (int)(sizeof english / sizeof *english); i++)
    host.messages[i] = english[i];
  host.messages[59] = "HoralisEng.dlg";
  const char *failures[] = {"Error", "OK", "The text could not be put on the clipboard.",
                            "The settings could not be saved."};
  for (int i = 0; i < 4; i++)
    host.messages[85 + i] = failures[i];
  const char *notes[] = {"Ok",
                         "All taken",
                         "Delete preset",
                         "Delete the preset",
                         "Delete",
                         "Cancel",
                         "Format empty",
                         "Editor read-only",
                         "On the clipboard",
                         "No text",
                         "Mistake",
                         "Insert anyway",
                         "Back",
                         "Save anyway",
                         "Name empty",
                         "Nothing to save",
                         "In the command line",
                         "Wrong without a sign:"};
  for (int i = 0; i < (int)(sizeof notes / sizeof *notes); i++)
    host.messages[125 + i] = notes[i];
  host.messages[110] = "<None>";
  const char *names[] = {"&Names of months and days...", "en",
                         "Names of months and days",     "As the &interface language",
                         "The &Windows user's language", "The &runtime's (English)"};
  for (int i = 0; i < 6; i++)
    host.messages[150 + i] = names[i];

  PluginStartupInfo info;
  memset(&info, 0, sizeof info);
  info.StructSize = sizeof info;
  strcpy(info.ModuleName, "C:\\Far\\Plugins\\Horalis\\Horalis.dll");
  info.ModuleNumber = host.moduleNumber;
  info.RootKey = rootKey;
  info.Menu = FakeMenu;
  info.Dialog = FakeDialog;
  info.Message = FakeMessage;
  info.GetMsg = FakeGetMsg;
  info.Control = FakeControl;
  info.EditorControl = FakeEditorControl;
  return info;
}

MenuReply Enter(int item) { return MenuReply{item, -1}; }
MenuReply Esc() { return MenuReply{-1, -1}; }
MenuReply BreakKey(int item, int breakIndex) { return MenuReply{item, breakIndex}; }
