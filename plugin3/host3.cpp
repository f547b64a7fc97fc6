#include "plugin3/host3.h"

#include <string.h>

// {875B5044-83D4-4CA4-A6B7-2676AD73DBA9}
const GUID PluginGuid = {
    0x875B5044, 0x83D4, 0x4CA4, {0xA6, 0xB7, 0x26, 0x76, 0xAD, 0x73, 0xDB, 0xA9}};
// {0729C230-0B60-4C5E-BB7E-E42B218D556C}
const GUID PluginMenuGuid = {
    0x0729C230, 0x0B60, 0x4C5E, {0xBB, 0x7E, 0xE4, 0x2B, 0x21, 0x8D, 0x55, 0x6C}};
// {B096B1D3-B77C-451F-8A03-8491BDE64C2F}
const GUID ConfigMenuGuid = {
    0xB096B1D3, 0xB77C, 0x451F, {0x8A, 0x03, 0x84, 0x91, 0xBD, 0xE6, 0x4C, 0x2F}};
// {AE312D0B-F811-4552-9ED0-B01F1F871533}
const GUID MainMenuGuid = {
    0xAE312D0B, 0xF811, 0x4552, {0x9E, 0xD0, 0xB0, 0x1F, 0x1F, 0x87, 0x15, 0x33}};
// {398FABA4-4B07-4DF3-A2F5-56DA4B6BBF12}
const GUID NamesMenuGuid = {
    0x398FABA4, 0x4B07, 0x4DF3, {0xA2, 0xF5, 0x56, 0xDA, 0x4B, 0x6B, 0xBF, 0x12}};
// {1112D449-4A80-40A2-8FCF-98D38B10A6F0}
const GUID MessageGuid = {
    0x1112D449, 0x4A80, 0x40A2, {0x8F, 0xCF, 0x98, 0xD3, 0x8B, 0x10, 0xA6, 0xF0}};

struct PluginStartupInfo Far;
struct FarStandardFunctions FarFsf;

// A record the host made smaller than ours lacks the late fields: they
// are left null, and each use checks for them.
static void CopyRecord(void *copy, size_t room, const void *given, size_t givenSize) {
  memset(copy, 0, room);
  if (given)
    memcpy(copy, given, givenSize < room ? givenSize : room);
}

void TakeStartupInfo(const struct PluginStartupInfo *info) {
  CopyRecord(&Far, sizeof Far, info, info ? info->StructSize : 0);
  const struct FarStandardFunctions *fsf = Far.FSF;
  CopyRecord(&FarFsf, sizeof FarFsf, fsf, fsf ? fsf->StructSize : 0);
  Far.FSF = &FarFsf;
}

const wchar_t *Msg3(intptr_t id) {
  const wchar_t *text = Far.GetMsg ? Far.GetMsg(&PluginGuid, id) : NULL;
  return text ? text : L"";
}

intptr_t ShowMessage3(FARMESSAGEFLAGS flags, const wchar_t *const *lines, size_t count,
                      intptr_t buttons) {
  if (!Far.Message)
    return -1;
  return Far.Message(&PluginGuid, &MessageGuid, flags, NULL, lines, count, buttons);
}

void ShowNote3(intptr_t msgId, FARMESSAGEFLAGS flags) {
  const wchar_t *ok = Msg3(MSG3_OK);
  const wchar_t *lines[3] = {Msg3(MSG3_TITLE), Msg3(msgId), ok[0] ? ok : L"Ok"};
  ShowMessage3(flags, lines, 3, 1);
}
