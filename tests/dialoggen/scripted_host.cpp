#include "scripted_host.h"

#include <stdio.h>
#include <string.h>

std::vector<Showing> Showings;
std::vector<std::string> Messages;

namespace {

Person CurrentPerson;

int WINAPI ScriptedDialog(int PluginNumber, int X1, int Y1, int X2, int Y2, const char *HelpTopic,
                          struct FarDialogItem *Item, int ItemsNumber) {
  Showing s;
  s.ModuleNumber = PluginNumber;
  s.X1 = X1;
  s.Y1 = Y1;
  s.X2 = X2;
  s.Y2 = Y2;
  s.Help = HelpTopic ? HelpTopic : "(null)";
  s.Items.assign(Item, Item + ItemsNumber);
  Showings.push_back(s);
  return CurrentPerson ? CurrentPerson(Item, ItemsNumber) : -1;
}

const char *WINAPI ScriptedGetMsg(int, int MsgId) {
  static char missing[32];
  if (MsgId >= 0 && (size_t)MsgId < Messages.size())
    return Messages[(size_t)MsgId].c_str();
  snprintf(missing, sizeof missing, "msg %d", MsgId);
  return missing;
}

} // namespace

PluginStartupInfo ScriptedHostTable() {
  PluginStartupInfo info;
  memset(&info, 0, sizeof info);
  info.StructSize = sizeof info;
  info.ModuleNumber = 7;
  info.Dialog = ScriptedDialog;
  info.GetMsg = ScriptedGetMsg;
  return info;
}

void ConnectScriptedHost() {
  DG_Init(ScriptedHostTable());
  Showings.clear();
  CurrentPerson = nullptr;
}

void SetPerson(Person person) { CurrentPerson = std::move(person); }

Person Cancels() {
  return [](FarDialogItem *, int) { return -1; };
}

Person ClosesWith(DialogHandle dialog, int item) {
  int index = IndexOf(dialog, item);
  return [index](FarDialogItem *, int) { return index; };
}

int IndexOf(DialogHandle dialog, int item) { return GetNumById(dialog, item); }

std::string ProgramFolder() {
  char path[MAX_PATH + 1] = {0};
  DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
  std::string folder(path, length);
  size_t cut = folder.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : folder.substr(0, cut + 1);
}

DialogHandle LoadText(const std::string &text, const char *name) {
  const char *fileName = "scripted_test.dlg";
  std::string path = ProgramFolder() + fileName;
  FILE *file = fopen(path.c_str(), "wb");
  if (!file)
    return 0;
  fwrite(text.data(), 1, text.size(), file);
  fclose(file);
  DialogHandle dialog = LoadDialogEx(NULL, 7, fileName, name);
  remove(path.c_str());
  return dialog;
}

std::vector<std::string> ReadLanguageFile(const std::string &path) {
  std::vector<std::string> messages;
  FILE *file = fopen(path.c_str(), "rb");
  if (!file)
    return messages;
  char line[2048];
  int first = 1;
  while (fgets(line, sizeof line, file)) {
    std::string s(line);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
      s.pop_back();
    size_t start = s.find_first_not_of(" \t");
    if (first) {
      first = 0;
      continue; /* .Language= */
    }
    if (start == std::string::npos || s.compare(start, 2, "//") == 0)
      continue;
    size_t open = s.find('"'), close = s.rfind('"');
    messages.push_back(open < close ? s.substr(open + 1, close - open - 1) : "(not a message)");
  }
  fclose(file);
  return messages;
}
