/* A script's Call step as a macro's Plugin.Call(<plugin GUID>, ...) into
   the (first) 3.x plugin. What the stand-in assumes of that protocol,
   from the interface header:
   - OpenW gets OpenFrom OPEN_FROMMACRO, Guid the plugin's own GUID, and
     Data an OpenMacroInfo whose Values are the call's arguments after the
     GUID, each an FMVT_STRING here (a script passes texts only). They
     stay the host's and live until OpenW returns.
   - OpenW runs from the area the run is in; the plugin learns which from
     ACTL_GETWINDOWINFO, as it would under the host.
   - OpenW returns null for "nothing" (the macro sees false); a small
     number, below any address, is taken as a plain true; anything else
     is a FarMacroCall whose Values are the macro's results: the host
     copies them, then calls Callback(CallbackData, Values, Count) once so
     that the plugin frees them, and never frees them itself.
   Each call's results are printed at the end of the run, "macro:" lines. */
#include "face3_host.h"
#include "face3_plugins.h"
#include "host_log.h"

#include <stdio.h>
#include <string>
#include <vector>

namespace {

enum { MAX_ARGUMENTS = 16, ARGUMENT_SIZE = 1024 };

std::string Results;

/* The "quoted" arguments as the key script kept them (OEM, \" and \\). */
int ReadArguments(const char *text, int length, std::vector<std::wstring> *out) {
  const char *end = text + length;
  for (const char *p = text; p < end && out->size() < MAX_ARGUMENTS;) {
    while (p < end && *p != '"')
      ++p;
    if (p >= end)
      break;
    std::string argument;
    for (++p; p < end && *p != '"'; ++p) {
      if (*p == '\\' && p + 1 < end && (p[1] == '"' || p[1] == '\\'))
        ++p;
      argument += *p;
    }
    ++p;
    static wchar_t wide[ARGUMENT_SIZE];
    OemToWide(argument.c_str(), wide, ARGUMENT_SIZE);
    out->push_back(wide);
  }
  return (int)out->size();
}

std::string Describe(const FarMacroValue &value) {
  char text[ARGUMENT_SIZE * 3 + 32];
  switch (value.Type) {
  case FMVT_STRING: {
    char utf8[ARGUMENT_SIZE * 3];
    WideToUtf8(value.String, utf8, sizeof utf8);
    snprintf(text, sizeof text, "string \"%s\"", utf8);
    break;
  }
  case FMVT_INTEGER:
    snprintf(text, sizeof text, "integer %lld", value.Integer);
    break;
  case FMVT_BOOLEAN:
    snprintf(text, sizeof text, "boolean %s", value.Boolean ? "true" : "false");
    break;
  case FMVT_DOUBLE:
    snprintf(text, sizeof text, "double %g", value.Double);
    break;
  case FMVT_NIL:
    snprintf(text, sizeof text, "nil");
    break;
  default:
    snprintf(text, sizeof text, "a value of type %d", (int)value.Type);
  }
  return text;
}

/* What OpenW returned, as a line; the plugin's values freed by its own
   callback once read. */
std::string TakeResult(HANDLE returned) {
  if (!returned)
    return "nothing (false)";
  if ((uintptr_t)returned < 0x10000)
    return "true";
  FarMacroCall *call = (FarMacroCall *)returned;
  if (call->StructSize < sizeof *call)
    return "a FarMacroCall with a wrong StructSize, not read";
  std::string line = call->Count ? "" : "no values";
  for (size_t i = 0; i < call->Count && call->Values; ++i)
    line += (i ? ", " : "") + Describe(call->Values[i]);
  if (call->Callback) {
    HostLog("macro: the plugin's callback frees its %u values", (unsigned)call->Count);
    call->Callback(call->CallbackData, call->Values, call->Count);
  }
  return line;
}

} // namespace

void Face3CallMacro(const char *arguments, int length) {
  if (!Face3Count) {
    HostLog("macro: no 3.x plugin to call");
    Results += "no 3.x plugin loaded\n";
    return;
  }
  Face3Plugin *plugin = &Face3Plugins[0];
  std::vector<std::wstring> texts;
  ReadArguments(arguments, length, &texts);
  std::vector<FarMacroValue> values(texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    values[i].Type = FMVT_STRING;
    values[i].String = texts[i].c_str();
  }
  OpenMacroInfo info = {sizeof(OpenMacroInfo), values.size(),
                        values.empty() ? nullptr : &values[0]};
  HANDLE returned = Face3Open(plugin, OPEN_FROMMACRO, &plugin->Guid, (intptr_t)&info);
  std::string line = TakeResult(returned);
  HostLog("macro: Plugin.Call returned %s", line.c_str());
  Results += line + "\n";
}

const char *Face3MacroResults(void) { return Results.c_str(); }
