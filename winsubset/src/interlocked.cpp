// The interlocked operations, as full barriers like Windows'.
#include <windows.h>

extern "C" LONG WINAPI InterlockedExchange(LONG volatile *Target, LONG Value) {
  return __atomic_exchange_n(Target, Value, __ATOMIC_SEQ_CST);
}

extern "C" LONG WINAPI InterlockedCompareExchange(LONG volatile *Destination, LONG Exchange,
                                                  LONG Comperand) {
  __atomic_compare_exchange_n(Destination, &Comperand, Exchange, false, __ATOMIC_SEQ_CST,
                              __ATOMIC_SEQ_CST);
  return Comperand; // the value found, whether or not it was replaced
}
