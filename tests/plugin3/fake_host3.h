/* A host of the 3.x interface for the front end's tests: it records what
   the plugin asks of it and answers as a test sets it to. */
#ifndef HORALIS_TESTS_PLUGIN3_FAKE_HOST3_H
#define HORALIS_TESTS_PLUGIN3_FAKE_HOST3_H

#include <string>
#include <vector>

#include "far3_plugin.h"

struct FakeSetting {
  size_t Root;
  std::wstring Name;
  FARSETTINGSTYPES Type;
  unsigned long long Number;
  std::wstring Text;
};

struct FakeHost3 {
  // What the plugin did, one line each: "text:<t>", "break", "cmdline:<t>",
  // "clipboard:<t>", "message:<line 1>", "menu:<title>".
  std::vector<std::wstring> Calls;
  int EditorLocked = 0;
  std::vector<intptr_t> MenuAnswers; // menus' answers in turn, then -1
  std::vector<intptr_t> MessageAnswers;
  std::wstring Language = L"en";
  WINDOWINFO_TYPE Window = WTYPE_PANELS;
  // The dialog: its focused item's type and flags, text and cursor.
  FARDIALOGITEMTYPES FieldType = DI_EDIT;
  FARDIALOGITEMFLAGS FieldFlags = DIF_NONE;
  std::wstring Field;
  SHORT Cursor = 0;
  // The settings the host keeps, and its keys' names by root.
  std::vector<FakeSetting> Settings;
  std::vector<std::wstring> Keys;
};

extern FakeHost3 Host;

/* Starts the plugin with a fresh fake host whose table is cut to
   structSize (0: whole). */
void StartPlugin(size_t structSize = 0);

/* A setting's record in the fake store, or null. */
const FakeSetting *FindSetting(const wchar_t *key, const wchar_t *name);
void PutSetting(const wchar_t *key, const wchar_t *name, unsigned long long number);

#endif
