/* What every delivery and every save of a format checks before it goes
   ahead: a format that is empty or gives no text is refused with a note,
   and one with a mistake that gives a plausible wrong text (a zone, a
   language or a block word not found) is asked about first. */
#ifndef HORALIS_PRESETS_FORMAT_CHECKS_H
#define HORALIS_PRESETS_FORMAT_CHECKS_H

#include <time.h>

#include "dialog_gen.h"
#include "far_plugin.h"

/* The question's texts and the refusals' notes in the language file. */
enum {
  MSG_MISTAKE_TITLE = 135,
  MSG_INSERT_ANYWAY = 136,
  MSG_MISTAKE_BACK = 137,
  MSG_SAVE_ANYWAY = 138,
  MSG_NAME_EMPTY = 139,
  MSG_NOTHING_TO_SAVE = 140,
  MSG_IN_COMMAND_LINE = 141,
  MSG_MISTAKE_NOTE = 142 /* the question's line above the mistake */
};

/* The box of a format's silent mistake, when it has one: the messages are
   its title, the line above the mistake's, and one or two buttons (the
   second 0 for none). The button chosen, -1 for Esc; 0 without a mistake,
   when nothing is shown. */
int AnswerToMistake(const char *format, const unsigned char messages[4]);

/* What the format is about to be used for: its question's first button. */
enum FormatUse { FORMAT_DELIVERY, FORMAT_SAVE };

/* 1 when the format has no silent mistake, or when the person, told the
   mistake as the preview names it, chose to go on ("Insert anyway" or
   "Save anyway"); 0 for "Back" or Esc. */
int FormatMistakeAccepted(const char *format, enum FormatUse use);

/* Where a delivery puts its text: the cursor's two as InsertDateText
   names them. */
enum DeliveryTarget { TO_COMMAND_LINE = 0, TO_EDITOR = OPEN_EDITOR, TO_CLIPBOARD = -1 };

/* What became of a delivery: a refused one names what was at fault. */
enum Delivery { DELIVERED, FORMAT_REFUSED, TARGET_REFUSED };

/* Delivers the expansion of format for moment (now when null). An empty
   format, or one that gives no text, delivers nothing and says so (on the
   clipboard it would wipe what the user keeps there); a silent mistake is
   asked about first, and "Back" delivers nothing; a refusing editor or
   clipboard has said so itself. */
enum Delivery DeliverFormat(const char *format, enum DeliveryTarget target,
                            const struct tm *moment);

/* Whether the format typed in formatItem may be saved: one not in use
   (another chosen, or only a day shown) goes as it is; otherwise an empty
   one is refused with a note, a silent mistake asked about. When not, the
   focus is on the format, for the dialog to come back as typed, and after
   "Back" the preview line names the mistake. */
int FormatSaveAccepted(DialogHandle dialog, int formatItem, int inUse);

#endif
