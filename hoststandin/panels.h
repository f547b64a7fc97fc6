/* The panels: a plain list of a folder's files, with a cursor bar. The
   folder is read through a lister the platform code installs. */
#ifndef HORALIS_HOSTSTANDIN_PANELS_H
#define HORALIS_HOSTSTANDIN_PANELS_H

#include "keys.h"

enum { PANEL_MAX_FILES = 512, PANEL_NAME_SIZE = 260 };

struct PanelFile {
  char Name[PANEL_NAME_SIZE];
  int IsFolder;
  unsigned long long Size;
};

/* Fills the list for a folder; returns the number of entries or -1. */
typedef int (*FolderLister)(const char *folder, struct PanelFile *files, int max);

void PanelSetLister(FolderLister lister);
/* Reads a folder into the panel; 0 when it cannot be read. */
int PanelOpenFolder(const char *folder);
const char *PanelFolder(void);
int PanelFileCount(void);
const struct PanelFile *PanelCurrentFile(void);
/* The full path of the file under the cursor, "" for none or a folder. */
void PanelCurrentPath(char *out, int size);
/* Cursor keys; Enter on a folder opens it. 1 when handled. */
int PanelKey(const struct HostKey *key);
void PanelDraw(int x1, int y1, int x2, int y2);

#endif
