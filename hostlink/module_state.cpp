#include "hostlink/module_state.h"

HINSTANCE ModuleInstance;
int DialogLibraryReady;
