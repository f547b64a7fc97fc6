#include "plugin3/macro3.h"

#include <string.h>

#include "plugin3/date_text3.h"
#include "plugin3/delivery3.h"

// One block holds the result, its value and its text: the host gives it
// back through the callback once it has copied the value.
struct MacroResult {
  struct FarMacroCall Call;
  struct FarMacroValue Value;
  wchar_t Text[DATE_TEXT_SIZE];
};

static void WINAPI FreeMacroResult(void *block, struct FarMacroValue *, size_t) {
  HeapFree(GetProcessHeap(), 0, block);
}

static struct MacroResult *NewMacroResult(void) {
  struct MacroResult *result =
      (struct MacroResult *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof *result);
  if (!result)
    return NULL;
  result->Call.StructSize = sizeof result->Call;
  result->Call.Count = 1;
  result->Call.Values = &result->Value;
  result->Call.Callback = FreeMacroResult;
  result->Call.CallbackData = result;
  return result;
}

static const wchar_t *StringArgument(const struct OpenMacroInfo *call, size_t index) {
  if (index >= call->Count || call->Values[index].Type != FMVT_STRING)
    return NULL;
  return call->Values[index].String;
}

HANDLE RunMacro3(const struct OpenMacroInfo *call) {
  if (!call || call->StructSize < sizeof *call || !call->Values)
    return NULL;
  const wchar_t *verb = StringArgument(call, 0), *format = StringArgument(call, 1);
  int insert = verb && lstrcmpiW(verb, L"insert") == 0;
  if (!format || !(insert || (verb && lstrcmpiW(verb, L"text") == 0)))
    return NULL;
  static struct DateText3 date;
  if (MakeDateText3(format, &date) != DATE_SOUND)
    return NULL;
  if (insert) {
    struct Place3 place = PlaceOfCurrentWindow();
    if (place.Target == TARGET_NONE || PutText3(date.Text, &place) != PUT_DONE)
      return NULL;
  }
  struct MacroResult *result = NewMacroResult();
  if (!result)
    return NULL;
  if (insert) {
    result->Value.Type = FMVT_BOOLEAN;
    result->Value.Boolean = 1;
  } else {
    memcpy(result->Text, date.Text, sizeof date.Text);
    result->Value.Type = FMVT_STRING;
    result->Value.String = result->Text;
  }
  return (HANDLE)&result->Call;
}
