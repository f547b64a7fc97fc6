// A scripted dialog library in place of Dialog.gen: dialogs are laid out by
// the test, and each showing is played by a "person" the test queues.
#ifndef HORALIS_TESTS_FAKE_DIALOGS_H
#define HORALIS_TESTS_FAKE_DIALOGS_H

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog_gen.h"

struct FakeItem {
  char text[512] = {0};
  int status = 0;
  int hidden = 0;
  int group = 0;     // first item of its radio group, 0 when not a radio button
  int value = 0;     // the radio button's value
  int momentary = 0; // reads as set only after a showing in which it was set
  int color = -1;
  FarDialogItem record = {}; // what GetItemAddr exposes (its Data apart from `text`)
};

struct FakeDialog {
  std::string file, name;
  std::map<int, FakeItem> items;
  int focus = 0;
  int shows = 0;
  bool freed = false;
  std::vector<std::vector<int>> hiddenWhileShown; // per showing
};

typedef std::function<int(FakeDialog &)> Person;

struct FakeDialogLibrary {
  std::vector<std::unique_ptr<FakeDialog>> loaded;
  std::deque<Person> people; // when empty, every showing is cancelled
  std::map<std::string, std::function<void(FakeDialog &)>> layouts; // by dialog name
};

FakeDialogLibrary &FakeDialogs();

// Binds the plugin to the fake library with the layouts of the plugin's
// dialogs (the presets', the quick formats', the clock's and the calendar's)
// and marks it ready.
void InstallFakeDialogs();

// Helpers for people.
void SelectRadio(FakeDialog &dialog, int item);
int SelectedRadio(FakeDialog &dialog, int groupItem);
FakeDialog *LastLoaded(const std::string &name);
int LiveDialogs();

#endif
