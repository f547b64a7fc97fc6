/* A host whose Dialog service plays a person: the test scripts what the
   person does to the item array and which item closes the dialog. Every
   showing is recorded as the host saw it. */
#ifndef HORALIS_TESTS_DIALOGGEN_SCRIPTED_HOST_H
#define HORALIS_TESTS_DIALOGGEN_SCRIPTED_HOST_H

#include <functional>
#include <string>
#include <vector>

#include "dialoggen.h"

/* Returns the array index that closes the dialog, or -1 for Esc. */
using Person = std::function<int(FarDialogItem *Items, int Count)>;

struct Showing {
  int ModuleNumber;
  int X1, Y1, X2, Y2;
  std::string Help; /* "(null)" when none was passed */
  std::vector<FarDialogItem> Items;
};

/* DG_Init with a table whose Dialog is the scripted person and whose
   GetMsg answers from Messages ("msg N" for numbers it has not got). */
void ConnectScriptedHost();
PluginStartupInfo ScriptedHostTable();
void SetPerson(Person person);
extern std::vector<Showing> Showings;
extern std::vector<std::string> Messages;

/* The person presses Esc / closes with the item of that number. */
Person Cancels();
Person ClosesWith(DialogHandle dialog, int item);

/* The array index of an item at the next showing. */
int IndexOf(DialogHandle dialog, int item);

/* Writes a description file beside the test program and loads a dialog of
   it through LoadDialogEx, with ModuleNumber 7. */
DialogHandle LoadText(const std::string &text, const char *name);

/* The folder of the test program, with its separator. */
std::string ProgramFolder();

/* Messages of a language file, numbered from 0 in file order. */
std::vector<std::string> ReadLanguageFile(const std::string &path);

#endif
