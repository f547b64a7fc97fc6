/* The help viewer: shows a topic of a help file in the host's format
   (".Language=" header, "@Topic" lines starting topics, "$" title lines,
   "#bold#", "~text~@Topic@" links, "^" centred lines; "##", "~~" and
   "@@" show one mark, and a lone '@' hides text up to the next '@', as in
   the host). Tab and Shift+Tab pick a link, Enter follows it, BS goes
   back, Esc closes. */
#ifndef HORALIS_HOSTSTANDIN_HELP_H
#define HORALIS_HOSTSTANDIN_HELP_H

enum { HELP_MAX_FILE = 256 * 1024, HELP_TOPIC_SIZE = 64 };

/* Loads a help file (at most HELP_MAX_FILE bytes); 0 when unreadable. */
int HelpLoadFile(const char *path);
/* Loads help text held in memory (for tests). */
void HelpLoadText(const char *text, int length);
/* 1 when the loaded help has the topic (names compare without case). */
int HelpHasTopic(const char *topic);
/* A topic's text as the viewer shows it, markup left out, its lines ended
   by '\n', cut to fit size; -1 when there is no such topic. */
int HelpTopicText(const char *topic, char *text, int size);
/* Runs the viewer on a topic of the loaded help; 0 when there is no such
   topic (a box saying so is shown instead). */
int HelpShowTopic(const char *topic);
/* F1 of a plugin's menu or dialog: the plugin's help file, that topic. */
void ShowPluginHelp(int pluginNumber, const char *topic);
/* Where the help of plugins numbered from FOREIGN_PLUGIN_BASE (the 3.x
   face's) comes from: loads it (HelpLoadText), 0 when there is none. */
void SetForeignPluginHelp(int (*load)(int pluginNumber));

#endif
