/* Runs the scripted host stand-in with Horalis loaded and collects what it
   reports: the final command line, editor text and clipboard, the screen
   dumps, and the log of calls between host and plugin. */
#ifndef HORALIS_TESTS_E2E_FARHOST_RUN_H
#define HORALIS_TESTS_E2E_FARHOST_RUN_H

#include <string>
#include <vector>

struct FarhostRun {
  int ExitCode = -1;
  std::string Cmdline, Editor, Clipboard; /* as reported, escapes and all */
  std::string Output;                     /* everything reported, dumps included */
  std::string Log;
  std::string Stderr;
};

/* Runs farhost.exe with the plugins folder of the build, a log and an
   output file, plus the given arguments (already quoted where needed). */
FarhostRun RunFarhost(const std::string &name, const std::string &arguments);

/* The screen dumps of a run, in order. */
std::vector<std::string> Screens(const FarhostRun &run);

/* A file in the test's own folder, written with the given bytes. */
std::string WriteWorkFile(const std::string &name, const std::string &bytes);
std::string WorkPath(const std::string &name);
/* A file's bytes ("" when it cannot be read). */
std::string ReadAll(const std::string &path);

/* Escapes as farhost reports text: \n, \r, \t, \\ and \xNN. */
std::string Escaped(const std::string &text);

#endif
