#include "parser.h"

#include <stdlib.h>
#include <string.h>

#include "lexer.h"

namespace {

struct TypeName {
  const char *Word;
  int Type;
};

const TypeName ItemTypes[] = {
    {"text", DI_TEXT},           {"vtext", DI_VTEXT},   {"singlebox", DI_SINGLEBOX},
    {"doublebox", DI_DOUBLEBOX}, {"edit", DI_EDIT},     {"pswedit", DI_PSWEDIT},
    {"fixedit", DI_FIXEDIT},     {"button", DI_BUTTON}, {"checkbox", DI_CHECKBOX},
    {"radio", DI_RADIOBUTTON},
};

struct FlagName {
  const char *Word;
  unsigned Flag;
};

const FlagName ItemFlags[] = {
    {"boxcolor", DIF_BOXCOLOR},       {"lefttext", DIF_LEFTTEXT},
    {"moveselect", DIF_MOVESELECT},   {"showamp", DIF_SHOWAMPERSAND},
    {"centergroup", DIF_CENTERGROUP}, {"nobrackets", DIF_NOBRACKETS},
    {"separator", DIF_SEPARATOR},
};

const int MinCoordinate = -1; /* the host centres a text whose X1 is -1 */
const int MaxExitCode = 65535;

/* The dialog being read, with room for the largest one. */
struct Scratch {
  struct LoadedDialog Dialog;
  struct DialogItem Items[MAX_DIALOG_ITEMS];
  int HasDefault;
  int HasFocus;
};

/* The walk over a whole file. */
struct Walk {
  const char *Wanted;
  struct LoadedDialog *Found;
  int DialogCount;
  char Names[MAX_DIALOGS_PER_FILE][DIALOG_NAME_SIZE];
  int InDialog;
  struct Scratch *Current;
  struct ParseError *Error;
  int Line;
};

int Fail(Walk *walk, const char *reason) {
  if (walk->Error) {
    walk->Error->Line = walk->Line;
    walk->Error->Reason = reason;
  }
  return 0;
}

int IsRadio(const DialogItem *item) { return item->Group >= 0; }

int ReadBoundedNumber(const char *line, int *pos, int low, int high, int *value) {
  SkipBlanks(line, pos);
  return ReadNumber(line, pos, value) && *value >= low && *value <= high;
}

/* "value=12" into its key and number. */
int SplitSetting(const char *word, char *key, int keySize, int *value) {
  const char *equals = strchr(word, '=');
  if (!equals || equals == word || equals - word >= keySize)
    return 0;
  memcpy(key, word, (size_t)(equals - word));
  key[equals - word] = 0;
  int pos = 0;
  return ReadNumber(equals + 1, &pos, value) && equals[1 + pos] == 0;
}

int StartDialog(Walk *walk, const char *line, int pos) {
  if (walk->InDialog)
    return Fail(walk, "a dialog starts before the previous one ends");
  if (walk->DialogCount >= MAX_DIALOGS_PER_FILE)
    return Fail(walk, "too many dialogs in one file");
  Scratch *s = walk->Current;
  memset(&s->Dialog, 0, sizeof s->Dialog);
  s->HasDefault = 0;
  s->HasFocus = 0;
  s->Dialog.Items = s->Items;
  SkipBlanks(line, &pos);
  if (ReadQuoted(line, &pos, s->Dialog.Name, DIALOG_NAME_SIZE) <= 0)
    return Fail(walk, "a dialog needs a quoted name of 1 to 127 characters");
  for (int i = 0; i < walk->DialogCount; ++i)
    if (strcmp(walk->Names[i], s->Dialog.Name) == 0)
      return Fail(walk, "two dialogs of the same name");
  if (!ReadBoundedNumber(line, &pos, 1, MAX_DIALOG_SIDE, &s->Dialog.Width) ||
      !ReadBoundedNumber(line, &pos, 1, MAX_DIALOG_SIDE, &s->Dialog.Height))
    return Fail(walk, "a dialog needs a width and a height from 1 to 255");
  if (SkipBlanks(line, &pos)) {
    char word[8];
    if (ReadWord(line, &pos, word, sizeof word) <= 0 || strcmp(word, "help") != 0)
      return Fail(walk, "only a help topic may follow the dialog's size");
    SkipBlanks(line, &pos);
    if (ReadQuoted(line, &pos, s->Dialog.HelpTopic, HELP_TOPIC_SIZE) < 0)
      return Fail(walk, "the help topic must be a quoted text of at most 127 characters");
    if (SkipBlanks(line, &pos))
      return Fail(walk, "unexpected text after the help topic");
  }
  strcpy(walk->Names[walk->DialogCount++], s->Dialog.Name);
  walk->InDialog = 1;
  return 1;
}

int ReadItemText(Walk *walk, const char *line, int *pos, DialogItem *item) {
  int c = SkipBlanks(line, pos);
  if (c == '"') {
    if (ReadQuoted(line, pos, item->Record.Data, FAR_DIALOG_DATA_SIZE) < 0)
      return Fail(walk, "an item text must be a quoted text of at most 511 characters");
    return 1;
  }
  if (c == '@') {
    ++*pos;
    if (!ReadNumber(line, pos, &item->TextMessage) || item->TextMessage < 0 ||
        item->TextMessage > MAX_ITEM_NUMBER)
      return Fail(walk, "a message reference is @ and a number from 0 to 9999");
    return 1;
  }
  return Fail(walk, "an item needs a text: a quoted text or @ and a message number");
}

int JoinGroup(Walk *walk, DialogItem *item, int startsGroup, int choose, int hasValue) {
  LoadedDialog *d = &walk->Current->Dialog;
  if (item->Record.Type != DI_RADIOBUTTON) {
    if (startsGroup || choose || hasValue)
      return Fail(walk, "group, choose and value belong to radio buttons");
    return 1;
  }
  if (choose && !startsGroup)
    return Fail(walk, "choose belongs to the radio button that starts a group");
  if (startsGroup) {
    item->Group = d->GroupCount++;
    d->Groups[item->Group].Choose = choose;
    d->Groups[item->Group].Choice = CHOICE_NONE;
  } else {
    const DialogItem *previous = d->ItemCount > 0 ? &d->Items[d->ItemCount - 1] : 0;
    if (!previous || !IsRadio(previous))
      return Fail(walk, "a radio button must start a group or follow one of its group");
    item->Group = previous->Group;
  }
  if (!hasValue)
    item->Value = item->Number;
  if (d->Groups[item->Group].Choose && (item->Value == CHOICE_NONE || item->Value == -1))
    return Fail(walk, "a choosing group's values must not be 0 or -1");
  for (int i = 0; i < d->ItemCount; ++i) {
    const DialogItem *other = &d->Items[i];
    if (other->Group != item->Group)
      continue;
    if (other->Value == item->Value)
      return Fail(walk, "two radio buttons of one group with the same value");
    if (other->Record.Selected && item->Record.Selected)
      return Fail(walk, "two selected radio buttons in one group");
  }
  return 1;
}

/* What an item's attributes say of its radio group. */
struct GroupMarks {
  int StartsGroup, Choose, HasValue;
};

/* A word naming a flag of the host's record; 1 when it was one. */
int ReadFlagWord(const char *word, DialogItem *item) {
  int found = 0;
  for (const FlagName &f : ItemFlags)
    if (strcmp(word, f.Word) == 0) {
      item->Record.Flags |= f.Flag;
      found = 1;
    }
  return found;
}

/* A word alone: group, choose, selected, focus, default, request, hidden.
   1 when read, 0 after a failure, -1 when the word is none of them. */
int ReadMarkWord(Walk *walk, const char *word, DialogItem *item, GroupMarks *marks) {
  Scratch *s = walk->Current;
  int t = item->Record.Type;
  if (strcmp(word, "group") == 0) {
    marks->StartsGroup = 1;
  } else if (strcmp(word, "choose") == 0) {
    marks->Choose = 1;
  } else if (strcmp(word, "selected") == 0) {
    if (t != DI_CHECKBOX && t != DI_RADIOBUTTON)
      return Fail(walk, "selected belongs to check boxes and radio buttons");
    item->Record.Selected = 1;
  } else if (strcmp(word, "focus") == 0) {
    if (s->HasFocus++)
      return Fail(walk, "only one item may have the focus");
    item->Record.Focus = 1;
    item->Attributes |= ITEM_DESCRIBED_FOCUS;
  } else if (strcmp(word, "default") == 0) {
    if (t != DI_BUTTON)
      return Fail(walk, "default belongs to a button");
    if (s->HasDefault++)
      return Fail(walk, "only one default button");
    item->Record.DefaultButton = 1;
  } else if (strcmp(word, "request") == 0) {
    if (t != DI_BUTTON && t != DI_CHECKBOX)
      return Fail(walk, "request belongs to buttons and check boxes");
    item->Attributes |= ITEM_REQUEST;
  } else if (strcmp(word, "hidden") == 0) {
    item->Attributes |= ITEM_HIDDEN;
  } else {
    return -1;
  }
  return 1;
}

/* A setting, name=number: value, exit or color. */
int ReadSettingWord(Walk *walk, const char *word, DialogItem *item, GroupMarks *marks) {
  char key[16];
  int number = 0;
  if (!SplitSetting(word, key, sizeof key, &number))
    return Fail(walk, "unknown attribute");
  if (strcmp(key, "value") == 0) {
    item->Value = number;
    marks->HasValue = 1;
  } else if (strcmp(key, "exit") == 0) {
    if (number < -1 || number > MaxExitCode)
      return Fail(walk, "an exit code runs from -1 to 65535");
    item->ExitCode = number;
  } else if (strcmp(key, "color") == 0) {
    if (number < 0 || number > DIF_COLORMASK)
      return Fail(walk, "a colour runs from 0 to 255");
    item->Record.Flags =
        (item->Record.Flags & ~(unsigned)DIF_COLORMASK) | DIF_SETCOLOR | (unsigned)number;
  } else {
    return Fail(walk, "unknown attribute");
  }
  return 1;
}

int ReadAttributes(Walk *walk, const char *line, int *pos, DialogItem *item) {
  GroupMarks marks = {0, 0, 0};
  char word[64];
  while (SkipBlanks(line, pos)) {
    if (ReadWord(line, pos, word, sizeof word) <= 0)
      return Fail(walk, "an attribute is expected");
    if (ReadFlagWord(word, item))
      continue;
    int read = ReadMarkWord(walk, word, item, &marks);
    if (read < 0)
      read = ReadSettingWord(walk, word, item, &marks);
    if (!read)
      return 0;
  }
  if ((item->Attributes & ITEM_REQUEST) && item->Record.Selected)
    return Fail(walk, "a request cannot start selected");
  return JoinGroup(walk, item, marks.StartsGroup, marks.Choose, marks.HasValue);
}

int ReadItem(Walk *walk, const char *line, int pos) {
  if (!walk->InDialog)
    return Fail(walk, "an item outside a dialog");
  LoadedDialog *d = &walk->Current->Dialog;
  if (d->ItemCount >= MAX_DIALOG_ITEMS)
    return Fail(walk, "too many items in one dialog");
  DialogItem *item = &d->Items[d->ItemCount];
  memset(item, 0, sizeof *item);
  item->Group = -1;
  item->TextMessage = LITERAL_TEXT;
  if (!ReadBoundedNumber(line, &pos, 0, MAX_ITEM_NUMBER, &item->Number))
    return Fail(walk, "an item number runs from 0 to 9999");
  for (int i = 0; i < d->ItemCount; ++i)
    if (d->Items[i].Number == item->Number)
      return Fail(walk, "two items of the same number");
  item->ExitCode = item->Number;

  char word[16];
  SkipBlanks(line, &pos);
  int known = 0;
  if (ReadWord(line, &pos, word, sizeof word) > 0)
    for (const TypeName &t : ItemTypes)
      if (strcmp(word, t.Word) == 0) {
        item->Record.Type = t.Type;
        known = 1;
      }
  if (!known)
    return Fail(walk, "unknown item type");

  int *corners[4] = {&item->Record.X1, &item->Record.Y1, &item->Record.X2, &item->Record.Y2};
  for (int *corner : corners)
    if (!ReadBoundedNumber(line, &pos, MinCoordinate, MAX_DIALOG_SIDE, corner))
      return Fail(walk, "an item needs four coordinates from -1 to 255");

  if (!ReadItemText(walk, line, &pos, item) || !ReadAttributes(walk, line, &pos, item))
    return 0;
  ++d->ItemCount;
  return 1;
}

/* Selects the first button of every group that the description left with
   none, so that a group always reports a value. */
void SelectFirstOfEmptyGroups(LoadedDialog *d) {
  for (int g = 0; g < d->GroupCount; ++g) {
    int first = -1, selected = 0;
    for (int i = 0; i < d->ItemCount; ++i)
      if (d->Items[i].Group == g) {
        if (first < 0)
          first = i;
        selected |= d->Items[i].Record.Selected;
      }
    if (!selected && first >= 0)
      d->Items[first].Record.Selected = 1;
  }
}

struct LoadedDialog *CopyDialog(const LoadedDialog *d) {
  size_t head = sizeof(LoadedDialog);
  head = (head + 15) / 16 * 16;
  LoadedDialog *copy = (LoadedDialog *)malloc(head + sizeof(DialogItem) * (size_t)d->ItemCount);
  if (!copy)
    return 0;
  *copy = *d;
  copy->Next = 0;
  copy->Items = (DialogItem *)((char *)copy + head);
  memcpy(copy->Items, d->Items, sizeof(DialogItem) * (size_t)d->ItemCount);
  return copy;
}

int EndDialog(Walk *walk) {
  if (!walk->InDialog)
    return Fail(walk, "end without a dialog");
  LoadedDialog *d = &walk->Current->Dialog;
  if (d->ItemCount == 0)
    return Fail(walk, "a dialog without items");
  SelectFirstOfEmptyGroups(d);
  walk->InDialog = 0;
  if (walk->Wanted && !walk->Found && strcmp(d->Name, walk->Wanted) == 0) {
    walk->Found = CopyDialog(d);
    if (!walk->Found)
      return Fail(walk, "out of memory");
  }
  return 1;
}

int ReadLine(Walk *walk, const char *line) {
  int pos = 0;
  int c = SkipBlanks(line, &pos);
  if (c == 0 || (c == '/' && line[pos + 1] == '/'))
    return 1;
  if (c >= '0' && c <= '9')
    return ReadItem(walk, line, pos);
  char word[16];
  if (ReadWord(line, &pos, word, sizeof word) <= 0)
    return Fail(walk, "a line starts with an item number, dialog or end");
  if (strcmp(word, "dialog") == 0)
    return StartDialog(walk, line, pos);
  if (strcmp(word, "end") == 0) {
    if (SkipBlanks(line, &pos))
      return Fail(walk, "unexpected text after end");
    return EndDialog(walk);
  }
  return Fail(walk, "a line starts with an item number, dialog or end");
}

int WalkText(Walk *walk, const char *text, size_t size) {
  char line[MAX_LINE_LENGTH + 1];
  size_t start = 0;
  while (start < size) {
    ++walk->Line;
    size_t end = start;
    while (end < size && text[end] != '\n')
      ++end;
    size_t length = end - start;
    if (length > 0 && text[end - 1] == '\r')
      --length;
    if (length > MAX_LINE_LENGTH)
      return Fail(walk, "a line longer than 1023 characters");
    if (memchr(text + start, 0, length))
      return Fail(walk, "a zero byte in the text");
    memcpy(line, text + start, length);
    line[length] = 0;
    if (!ReadLine(walk, line))
      return 0;
    start = end + 1;
  }
  if (walk->InDialog)
    return Fail(walk, "the last dialog has no end");
  return 1;
}

/* Runs the walk; on failure releases what it found. */
int RunWalk(Walk *walk, const char *text, size_t size) {
  if (!text)
    return Fail(walk, "no text");
  walk->Current = (Scratch *)malloc(sizeof(Scratch));
  if (!walk->Current)
    return Fail(walk, "out of memory");
  int ok = WalkText(walk, text, size);
  free(walk->Current);
  walk->Current = 0;
  if (!ok) {
    free(walk->Found);
    walk->Found = 0;
  }
  return ok;
}

Walk *NewWalk(const char *wanted, ParseError *error) {
  Walk *walk = (Walk *)calloc(1, sizeof(Walk));
  if (walk) {
    walk->Wanted = wanted;
    walk->Error = error;
  }
  if (error) {
    error->Line = 0;
    error->Reason = walk ? "" : "out of memory";
  }
  return walk;
}

} // namespace

struct LoadedDialog *ParseDialog(const char *Text, size_t Size, const char *Name,
                                 struct ParseError *Error) {
  if (!Name)
    return 0;
  Walk *walk = NewWalk(Name, Error);
  if (!walk)
    return 0;
  LoadedDialog *found = 0;
  if (RunWalk(walk, Text, Size)) {
    found = walk->Found;
    if (!found) {
      walk->Line = 0;
      Fail(walk, "no dialog of that name");
    }
  }
  free(walk);
  return found;
}

int ListDialogs(const char *Text, size_t Size, void (*OnDialog)(const char *Name, void *Context),
                void *Context, struct ParseError *Error) {
  Walk *walk = NewWalk(0, Error);
  if (!walk)
    return -1;
  int count = -1;
  if (RunWalk(walk, Text, Size)) {
    count = walk->DialogCount;
    for (int i = 0; OnDialog && i < count; ++i)
      OnDialog(walk->Names[i], Context);
  }
  free(walk);
  return count;
}

void DestroyDialog(struct LoadedDialog *Dialog) { free(Dialog); }
