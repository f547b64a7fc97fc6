#include "presets/preview_line.h"

#include <string.h>

#include "hostlink/format_preview.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"

// What a description without the line's own width gets: the format
// field's width in the preset dialog.
enum { PREVIEW_LINE_WIDTH = 46 };

static int PreviewLineWidth(const struct FarDialogItem *line) {
  int width = line && line->X2 > line->X1 ? line->X2 - line->X1 + 1 : PREVIEW_LINE_WIDTH;
  return width < FAR_DIALOG_DATA_SIZE ? width : FAR_DIALOG_DATA_SIZE - 1;
}

// A text the format gives starts under the format, its word before it; a
// fault takes the whole line, since it names what it found.
static int TextColumn(const struct FarDialogItem *line, const struct FarDialogItem *format,
                      int wordLength) {
  int column = line && format ? format->X1 - line->X1 : 0;
  return column > wordLength ? column : wordLength + 1;
}

int ShowFormatPreview(DialogHandle dialog, int formatItem) {
  const char *format = Dialogs.GetItemData(dialog, formatItem);
  const struct FarDialogItem *line = Dialogs.GetItemAddr(dialog, FORMAT_ITEM_PREVIEW_LINE);
  if (!format || !line)
    return 0;
  char text[FAR_DIALOG_DATA_SIZE];
  int fault = PreviewDateText(format, NULL, text, sizeof text);
  // A bare word would read as a text lost: the line says there is none.
  if (!fault && !text[0]) {
    PutItemText(dialog, FORMAT_ITEM_PREVIEW_LINE, GetMsgTextOr(MSG_PREVIEW_NO_TEXT, ""));
    return 0;
  }
  const char *word = fault ? "" : GetMsgTextOr(MSG_PREVIEW_NOW, "");
  int column =
      fault ? 0 : TextColumn(line, Dialogs.GetItemAddr(dialog, formatItem), (int)strlen(word));
  // Cut to the line, the word before it included.
  char shown[FAR_DIALOG_DATA_SIZE];
  int width = PreviewLineWidth(line), used = 0;
  for (; *word && used < width; word++)
    shown[used++] = *word;
  while (used < column && used < width)
    shown[used++] = ' ';
  for (const char *c = text; *c && used < width; c++)
    shown[used++] = *c;
  shown[used] = 0;
  PutItemText(dialog, FORMAT_ITEM_PREVIEW_LINE, shown);
  return fault;
}

void ClearFormatPreview(DialogHandle dialog) {
  PutItemText(dialog, FORMAT_ITEM_PREVIEW_LINE, GetMsgTextOr(MSG_PREVIEW_PROMPT, ""));
}

int ShowFormatDialog(DialogHandle dialog, int formatItem) {
  for (;;) {
    int exitCode = Dialogs.ShowDialog(dialog);
    if (exitCode == -1 || !Dialogs.GetItemStatus(dialog, FORMAT_ITEM_PREVIEW))
      return exitCode;
    ShowFormatPreview(dialog, formatItem);
    Dialogs.SetItemFocus(dialog, formatItem);
  }
}
