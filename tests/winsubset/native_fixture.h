// Native-only tests start and end with the subset as a fresh process has it.
#ifndef HORALIS_TESTS_WINSUBSET_NATIVE_FIXTURE_H
#define HORALIS_TESTS_WINSUBSET_NATIVE_FIXTURE_H

#include <gtest/gtest.h>
#include <windows.h>

#include "winsubset_control.h"

class FreshSubsetTest : public testing::Test {
protected:
  void SetUp() override { WinSubset_Reset(); }
  void TearDown() override { WinSubset_Reset(); }
};

#endif
