// The fuzzer's bytes read as the parts of one input: numbers, texts and
// registry values of any type, size and termination.
#ifndef HORALIS_TESTS_FUZZ_FUZZ_INPUT_H
#define HORALIS_TESTS_FUZZ_FUZZ_INPUT_H

#include <stddef.h>
#include <stdint.h>

#include <windows.h>

struct FuzzInput {
  const uint8_t *data;
  size_t size;
};

// Reads past the end as zeros.
uint8_t TakeByte(FuzzInput *in);
uint32_t TakeNumber(FuzzInput *in);
// Up to `limit` bytes; *length says how many there were.
const uint8_t *TakeBytes(FuzzInput *in, size_t limit, size_t *length);

// One value of the key from the input: absent, or stored with any type
// (mostly REG_SZ and REG_DWORD) and any bytes, up to about 1 KiB, with or
// without a terminator.
void StoreFuzzedValue(HKEY key, const char *name, FuzzInput *in);

// The host's root key for the plugin, under which the fuzzers store.
extern const char FuzzRootKey[];

// A fresh registry and a plugin started by the tests' fake host, whose
// menus are left with Esc.
void StartPluginAfresh(void);

#endif
