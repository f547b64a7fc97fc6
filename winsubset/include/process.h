/* _beginthread of the C runtime, for the native build. */
#ifndef HORALIS_WINSUBSET_PROCESS_H
#define HORALIS_WINSUBSET_PROCESS_H

#include <stdint.h>

#ifndef __cdecl
#define __cdecl
#endif

#ifdef __cplusplus
extern "C" {
#endif

uintptr_t _beginthread(void(__cdecl *start_address)(void *), unsigned stack_size, void *arglist);

#ifdef __cplusplus
}
#endif

#endif
