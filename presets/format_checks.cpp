#include "presets/format_checks.h"

#include "hostlink/date_delivery.h"
#include "hostlink/format_preview.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "presets/preview_line.h"

// A message line the host shows whole on an 80-column screen.
enum { MISTAKE_LINE_SIZE = 71 };

int AnswerToMistake(const char *format, const unsigned char messages[4]) {
  char mistake[MISTAKE_LINE_SIZE];
  if (!FindSilentMistake(format, mistake, sizeof mistake))
    return 0;
  // The title, the line above the mistake, the mistake, the buttons.
  const char *lines[5];
  int count = 0;
  for (int text = 0; text < 4; text++) {
    if (text == 2)
      lines[count++] = mistake;
    lines[count++] = GetMsgTextOr(messages[text], "");
  }
  int buttons = messages[3] ? 2 : 1;
  return ShowHostMessage(FMSG_WARNING, NULL, lines, 3 + buttons, buttons);
}

int FormatMistakeAccepted(const char *format, enum FormatUse use) {
  const unsigned char question[4] = {
      MSG_MISTAKE_TITLE, MSG_MISTAKE_NOTE,
      (unsigned char)(use == FORMAT_SAVE ? MSG_SAVE_ANYWAY : MSG_INSERT_ANYWAY), MSG_MISTAKE_BACK};
  return AnswerToMistake(format, question) == 0;
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
  if (ExpandDateText(text, sizeof text, format, moment) > 0) {
    int delivered;
    if (target == TO_CLIPBOARD)
      delivered = PutDateText(format, moment);
    else
      delivered = InsertDateText(format, target, moment);
    if (DateText[0])
      return delivered ? DELIVERED : TARGET_REFUSED;
  }
  ShowNote(MSG_TEXT_EMPTY, 0);
  return FORMAT_REFUSED;
}

int FormatSaveAccepted(DialogHandle dialog, int formatItem, int inUse) {
  const char *format = Dialogs.GetItemData(dialog, formatItem);
  if (!inUse || !format)
    return 1;
  if (!format[0])
    ShowNote(MSG_NOTHING_TO_SAVE, 0);
  else if (FormatMistakeAccepted(format, FORMAT_SAVE))
    return 1;
  else // Back: the line under the format keeps naming the mistake.
    ShowFormatPreview(dialog, formatItem);
  Dialogs.SetItemFocus(dialog, formatItem);
  return 0;
}
