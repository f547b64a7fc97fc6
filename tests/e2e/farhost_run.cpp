#include "farhost_run.h"

#include <fstream>
#include <sstream>
#include <stdio.h>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

std::string Field(const std::string &output, const std::string &label) {
  std::string head = label + ": ";
  size_t at = output.rfind("\n" + head);
  if (at == std::string::npos) {
    if (output.rfind(head, 0) != 0)
      return "(not reported)";
    at = 0;
  } else {
    at += 1;
  }
  at += head.size();
  size_t end = output.find('\n', at);
  return output.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

} // namespace

std::string ReadAll(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Screens(const FarhostRun &run) {
  std::vector<std::string> screens;
  size_t at = 0;
  while ((at = run.Output.find("--- screen ---", at)) != std::string::npos) {
    size_t end = run.Output.find("--- end of screen ---", at);
    screens.push_back(run.Output.substr(at, end == std::string::npos ? end : end - at));
    at = end == std::string::npos ? run.Output.size() : end;
  }
  return screens;
}

std::string WorkPath(const std::string &name) { return std::string(WORK_DIR) + "/" + name; }

std::string WriteWorkFile(const std::string &name, const std::string &bytes) {
  std::string path = WorkPath(name);
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return path;
}

std::string Escaped(const std::string &text) {
  std::string out;
  for (unsigned char ch : text) {
    if (ch == '\\')
      out += "\\\\";
    else if (ch == '\n')
      out += "\\n";
    else if (ch == '\r')
      out += "\\r";
    else if (ch == '\t')
      out += "\\t";
    else if (ch < 32) {
      char hex[8];
      snprintf(hex, sizeof hex, "\\x%02X", ch);
      out += hex;
    } else
      out += (char)ch;
  }
  return out;
}

FarhostRun RunFarhost(const std::string &name, const std::string &arguments) {
  FarhostRun run;
  std::string output = WorkPath(name + ".out"), log = WorkPath(name + ".log"),
              errors = WorkPath(name + ".err");
  DeleteFileA(output.c_str());
  DeleteFileA(log.c_str());
  std::string command = std::string("\"") + FARHOST_EXE + "\" --plugins \"" + PLUGINS_DIR +
                        "\" --output \"" + output + "\" --log \"" + log + "\" " + arguments;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE errorFile = CreateFileA(errors.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                 CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA startup;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = errorFile;
  startup.hStdError = errorFile;
  PROCESS_INFORMATION process;
  std::vector<char> line(command.begin(), command.end());
  line.push_back(0);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &process)) {
    ADD_FAILURE() << "cannot start " << command << ": error " << GetLastError();
    CloseHandle(errorFile);
    return run;
  }
  /* A hang is a failure, not a wait for ever. */
  if (WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
    ADD_FAILURE() << name << ": farhost did not end";
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  run.ExitCode = (int)code;
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  CloseHandle(errorFile);
  run.Output = ReadAll(output);
  run.Log = ReadAll(log);
  run.Stderr = ReadAll(errors);
  run.Cmdline = Field(run.Output, "cmdline");
  run.Editor = Field(run.Output, "editor");
  run.Clipboard = Field(run.Output, "clipboard");
  return run;
}
