// Global memory blocks, as the clipboard delivery allocates them.
#include <string.h>

#include "test_scratch.h"

TEST(GlobalMemory, FixedBlocksAreTheirOwnAddress) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, 10);
  ASSERT_NE(nullptr, block);
  EXPECT_EQ((void *)block, GlobalLock(block)) << "a fixed block locks to its handle";
  EXPECT_EQ(10u, GlobalSize(block));
  EXPECT_EQ(0, memcmp("\0\0\0\0\0\0\0\0\0\0", block, 10)) << "GMEM_ZEROINIT clears it";
  EXPECT_TRUE(GlobalUnlock(block)) << "a fixed block stays locked";
  EXPECT_EQ(nullptr, GlobalFree(block)) << "freeing succeeds";
}

TEST(GlobalMemory, MoveableBlocksCountTheirLocks) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 10);
  ASSERT_NE(nullptr, block);
  char *first = (char *)GlobalLock(block);
  ASSERT_NE(nullptr, first);
  EXPECT_NE((void *)block, (void *)first) << "the handle is not the address";
  EXPECT_EQ(first, GlobalLock(block)) << "a second lock gives the same address";
  EXPECT_TRUE(GlobalUnlock(block)) << "still locked once";
  SetLastError(99);
  EXPECT_FALSE(GlobalUnlock(block)) << "the last unlock";
  EXPECT_EQ(0u, GetLastError()) << "reports no error";
  SetLastError(0);
  EXPECT_FALSE(GlobalUnlock(block)) << "unlocking an unlocked block";
  EXPECT_EQ((DWORD)ERROR_NOT_LOCKED, GetLastError());
  EXPECT_EQ(10u, GlobalSize(block));
  EXPECT_EQ(nullptr, GlobalFree(block));

  HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);
  ASSERT_NE(nullptr, empty) << "a block of size 0 has a handle";
  SetLastError(0);
  EXPECT_EQ(nullptr, GlobalLock(empty)) << "but no memory to lock";
  EXPECT_EQ((DWORD)ERROR_DISCARDED, GetLastError());
  EXPECT_EQ(0u, GlobalSize(empty));
  EXPECT_EQ(nullptr, GlobalFree(empty));
}

TEST(GlobalMemory, NullAndImpossibleRequests) {
  SetLastError(0);
  EXPECT_EQ(0u, GlobalSize(NULL));
  EXPECT_EQ((DWORD)ERROR_INVALID_HANDLE, GetLastError());
  EXPECT_EQ(nullptr, GlobalLock(NULL));
  EXPECT_EQ(nullptr, GlobalFree(NULL)) << "freeing null does nothing";
  SetLastError(0);
  EXPECT_EQ(nullptr, GlobalAlloc(GMEM_MOVEABLE, 0x7FFFFFFF)) << "2 GB cannot be had";
  EXPECT_EQ((DWORD)ERROR_NOT_ENOUGH_MEMORY, GetLastError());
}

TEST(Interlocked, ExchangesReturnWhatWasThere) {
  volatile LONG value = 5;
  EXPECT_EQ(5, InterlockedExchange(&value, 7));
  EXPECT_EQ(7, value);
  EXPECT_EQ(7, InterlockedCompareExchange(&value, 9, 7)) << "a match is replaced";
  EXPECT_EQ(9, value);
  EXPECT_EQ(9, InterlockedCompareExchange(&value, 1, 7)) << "a mismatch is not";
  EXPECT_EQ(9, value);
}
