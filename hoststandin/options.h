/* The stand-in's command line. */
#ifndef HORALIS_HOSTSTANDIN_OPTIONS_H
#define HORALIS_HOSTSTANDIN_OPTIONS_H

enum { OPTION_TEXT_SIZE = 1024 };

struct HostOptions {
  char PluginsFolder[OPTION_TEXT_SIZE]; /* "" : "Plugins" beside the program */
  char Language[64];                    /* "English" unless --lang */
  char RootKey[256];                    /* the plugins' settings root */
  int StartArea;                        /* AREA_* */
  char File[OPTION_TEXT_SIZE];          /* for the editor and viewer */
  char Folder[OPTION_TEXT_SIZE];        /* shown in the panels; "" : current */
  char Keys[8192];                      /* --keys, or the text of --keys-file */
  int Scripted;
  char KeysFile[OPTION_TEXT_SIZE];
  char Output[OPTION_TEXT_SIZE];
  char Log[OPTION_TEXT_SIZE];
  char Clipboard[OPTION_TEXT_SIZE]; /* text put on the clipboard at the start */
  int SetClipboard;
  int EmptyClipboard;  /* --empty-clipboard: start with nothing on it */
  int ScratchSettings; /* --scratch-settings: a root key of this run's own */
  int DumpAtEnd;
  int Width, Height; /* 0: the console window's */
  unsigned Minute;   /* ms, of the editor's clock; 0: a real minute */
  int NoClipboardRights;
  int OwnClipboard; /* --own-clipboard: a clipboard no other program sees */
  int Help;
};

/* 1 when the arguments are understood; 0 with a message in error. */
int ParseHostOptions(int argc, const char *const *argv, struct HostOptions *options, char *error,
                     int errorSize);
extern const char HostUsage[];

/* The host's name of a language given as --lang takes it: "Eng" and "Rus"
   stand for English and Russian, any case; other names as they are. */
void HostLanguageName(const char *value, char *out, int size);

#endif
