/* The interface header read by a C compiler: the same records, the same
   sizes and offsets as C++ sees them (the unions without names included). */
#include <stddef.h>

#include "far3_plugin.h"

size_t Far3LayoutSeenFromC(size_t *values, size_t room) {
  const size_t seen[] = {
      sizeof(struct PluginStartupInfo),
      sizeof(struct FarStandardFunctions),
      sizeof(struct FarDialogItem),
      offsetof(struct FarDialogItem, ListItems),
      sizeof(struct FarMacroValue),
      offsetof(struct FarMacroValue, Binary.Size),
      sizeof(struct FarSettingsItem),
      offsetof(struct FarSettingsItem, Data.Data),
      offsetof(struct FarSettingsEnum, Items),
      sizeof(struct FarMenuItem),
      sizeof(struct FarColor),
      offsetof(struct PluginInfo, PluginConfig),
  };
  const size_t count = sizeof(seen) / sizeof(seen[0]);
  for (size_t i = 0; i < count && i < room; ++i)
    values[i] = seen[i];
  return count;
}
