/* The viewer: a file's text shown read-only, scrolled by line. */
#ifndef HORALIS_HOSTSTANDIN_VIEWER_H
#define HORALIS_HOSTSTANDIN_VIEWER_H

#include "keys.h"

enum { VIEWER_MAX_TEXT = 256 * 1024 };

void ViewerSetText(const char *text, int length);
int ViewerKey(const struct HostKey *key);
void ViewerDraw(int x1, int y1, int x2, int y2);

#endif
