#include "presets/format_checks.h"

#include "datetext/date_text.h"
#include "datetext/format_preview.h"
#include "far_plugin.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "presets/preview_line.h"

// A message line the host shows whole on an 80-column screen.
enum { MISTAKE_LINE_SIZE = 71 };

int FormatMistakeAccepted(const char *format, enum FormatUse use) {
  char mistake[MISTAKE_LINE_SIZE];
  if (!FindSilentMistake(format, mistake, sizeof mistake))
    return 1;
  const char *lines[4] = {GetMsgTextOr(MSG_MISTAKE_TITLE, ""), mistake,
                          use == FORMAT_SAVE ? GetMsgTextOr(MSG_SAVE_ANYWAY, "Save anyway")
                                             : GetMsgTextOr(MSG_INSERT_ANYWAY, "Insert anyway"),
                          GetMsgTextOr(MSG_MISTAKE_BACK, "Back")};
  return ShowHostMessage(FMSG_WARNING, NULL, lines, 4, 2) == 0;
}

static enum Delivery RefuseNoText(void) {
  ShowNote(MSG_TEXT_EMPTY, 0);
  return FORMAT_REFUSED;
}

enum Delivery DeliverFormat(const char *format, enum DeliveryTarget target,
                            const struct tm *moment) {
  if (!format || !format[0]) {
    ShowNote(MSG_FORMAT_EMPTY, 0);
    return FORMAT_REFUSED;
  }
  if (!FormatMistakeAccepted(format, FORMAT_DELIVERY))
    return FORMAT_REFUSED;
  // Tried first, so that an editor is not touched for nothing; the text
  // delivered is checked again, as the moment may have moved on.
  char text[DATE_TEXT_SIZE];
  if (ExpandDateText(text, sizeof text, format, moment) <= 0)
    return RefuseNoText();
  int delivered;
  if (target == TO_CLIPBOARD)
    delivered = PutDateText(format, moment);
  else
    delivered = InsertDateText(format, target == TO_EDITOR ? OPEN_EDITOR : 0, moment);
  if (!DateText[0])
    return RefuseNoText();
  return delivered ? DELIVERED : TARGET_REFUSED;
}

int FormatSaveAccepted(DialogHandle dialog, int formatItem) {
  const char *format = Dialogs.GetItemData(dialog, formatItem);
  int accepted = 1;
  if (format && !format[0]) {
    ShowNote(MSG_NOTHING_TO_SAVE, 0);
    accepted = 0;
  } else if (format && !FormatMistakeAccepted(format, FORMAT_SAVE)) {
    // Back: the line under the format keeps naming the mistake.
    ShowFormatPreview(dialog, formatItem);
    accepted = 0;
  }
  if (!accepted)
    Dialogs.SetItemFocus(dialog, formatItem);
  return accepted;
}
