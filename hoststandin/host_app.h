/* The host's screens and their keys: panels with the command line, the
   editor and the viewer; F11 opens the plugin menu from each, F9 the
   plugins configuration menu from the panels. Runs until F10 on the panels
   or the end of the input. */
#ifndef HORALIS_HOSTSTANDIN_HOST_APP_H
#define HORALIS_HOSTSTANDIN_HOST_APP_H

enum { HOST_PATH_SIZE = 260 };

/* Opens the editor or the viewer on a file ("" for an empty editor and the
   viewer's note); 0 when the file could not be read (the area is still
   opened, empty). */
int OpenEditorFile(const char *path);
int OpenViewerFile(const char *path);
const char *EditorFileName(void);

void RunHost(int startArea);

#endif
