/* What the partial dialog library records of its binding, read by the
   binding's tests through the library's TestRecord export. */
#ifndef HORALIS_TESTS_BINDING_RECORD_H
#define HORALIS_TESTS_BINDING_RECORD_H

struct BindingRecord {
  int getItemNullCalls;
  int initCalls;
  int initAfterGetItemNull;
  int moduleNumber;
  int structSize;
  char rootKey[256];
};

#endif
