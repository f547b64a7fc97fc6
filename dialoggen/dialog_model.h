/* One loaded dialog as the library keeps it: the description's items, each
   with the live record the plugin reads and writes between showings, and the
   radio groups. */
#ifndef HORALIS_DIALOGGEN_DIALOG_MODEL_H
#define HORALIS_DIALOGGEN_DIALOG_MODEL_H

#include "dialog_gen.h"

enum {
  MAX_DIALOG_ITEMS = 256,
  MAX_ITEM_NUMBER = 9999,
  DIALOG_NAME_SIZE = 128,
  HELP_TOPIC_SIZE = 128,
  MAX_DIALOG_SIDE = 255,
  /* Longest text an item can hold: one byte of the 512 stays a terminator. */
  MAX_ITEM_TEXT = FAR_DIALOG_DATA_SIZE - 1
};

/* DialogItem.Attributes */
enum {
  ITEM_HIDDEN = 1,
  /* Reads as set only after a showing in which the user asked for it. */
  ITEM_REQUEST = 2,
  /* Has the focus when a showing starts, unless the plugin chose another. */
  ITEM_DESCRIBED_FOCUS = 4
};

/* DialogItem.TextMessage when the text is literal. */
enum { LITERAL_TEXT = -1 };

struct DialogItem {
  struct FarDialogItem Record; /* what GetItemAddr hands out */
  int Number;
  int ExitCode;
  int Group; /* index into LoadedDialog.Groups; -1 when not a radio button */
  int Value; /* radio value */
  unsigned Attributes;
  int TextMessage; /* message number to resolve at load, or LITERAL_TEXT */
};

struct RadioGroup {
  /* Reports only a choice: the value of the member that closed the last
     showing, -1 after a cancel, CHOICE_NONE after any other exit. */
  int Choose;
  int Choice;
};

/* What a choosing group reports when no member closed the dialog; the
   parser keeps it out of such groups' values. */
enum { CHOICE_NONE = 0 };

struct LoadedDialog {
  struct LoadedDialog *Next;
  int ModuleNumber;
  int Width, Height;
  char Name[DIALOG_NAME_SIZE];
  char HelpTopic[HELP_TOPIC_SIZE];
  int ItemCount;
  struct DialogItem *Items;
  int GroupCount;
  struct RadioGroup Groups[MAX_DIALOG_ITEMS];
  /* SetItemFocus chose the focus of the next showing. */
  int FocusChosen;
};

#endif
