// The drop list's bytes, on every global-memory backend.
#include <gtest/gtest.h>

#include "backends.h"
#include "opener/drop_list.h"

namespace kl {
namespace {

const std::string kHeader("\x10\0\0\0" "\0\0\0\0" "\0\0\0\0" "\x01\0\0\0", 16);

template <class Heap>
class DropListBytes : public ::testing::Test {
 protected:
  void TearDown() override {
    for (MemoryHandle block : blocks_) heap_.Free(block);
  }

  MemoryHandle Create() {
    const MemoryHandle block = CreateDropList(heap_);
    if (block != 0) blocks_.push_back(block);
    return block;
  }

  std::string Bytes(MemoryHandle block) {
    LockedBlock locked(heap_, block);
    return std::string(reinterpret_cast<const char*>(locked.bytes()), heap_.Size(block));
  }

  Heap heap_;
  std::vector<MemoryHandle> blocks_;
};

TYPED_TEST_SUITE(DropListBytes, test::HeapBackends, test::BackendNames);

TYPED_TEST(DropListBytes, NewListIsHeaderAndTerminator) {
  const MemoryHandle list = this->Create();
  ASSERT_NE(list, 0u);
  EXPECT_EQ(this->Bytes(list), kHeader + std::string(1, '\0'));
}

TYPED_TEST(DropListBytes, AppendsLayNamesByteForByte) {
  struct Case {
    const char* label;
    std::vector<std::string> names;
    std::string list;  // bytes after the header
  };
  const std::string nul(1, '\0');
  const Case cases[] = {
      {"one name", {"a.txt"}, "a.txt" + nul + nul},
      {"two names", {"a.txt", "b"}, "a.txt" + nul + "b" + nul + nul},
      {"empty name", {""}, nul + nul},
      {"two empty names", {"", ""}, nul + nul},
      {"empty then a name", {"", "b"}, "b" + nul + nul},
      {"duplicates", {"C:\\x", "C:\\x"}, "C:\\x" + nul + "C:\\x" + nul + nul},
      {"double-byte", {"C:\\\x95\x5C.doc"}, "C:\\\x95\x5C.doc" + nul + nul},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const MemoryHandle list = this->Create();
    ASSERT_NE(list, 0u);
    for (const std::string& name : c.names) EXPECT_EQ(AddToDropList(this->heap_, list, name), list);
    EXPECT_EQ(this->Bytes(list), kHeader + c.list);
  }
}

TYPED_TEST(DropListBytes, ListNeverReachesSixtyFourKilobytes) {
  const MemoryHandle list = this->Create();
  ASSERT_NE(list, 0u);
  // 17 bytes used; a name of n bytes makes 18 + n.
  EXPECT_EQ(AddToDropList(this->heap_, list, std::string(65518, 'x')), 0u);
  EXPECT_EQ(this->Bytes(list), kHeader + std::string(1, '\0'));
  EXPECT_EQ(AddToDropList(this->heap_, list, std::string(65517, 'x')), list);
  EXPECT_EQ(this->heap_.Size(list), 65535u);
  EXPECT_EQ(AddToDropList(this->heap_, list, ""), 0u);
  EXPECT_EQ(this->heap_.Size(list), 65535u);
}

TEST(DropListFaults, FailuresLeaveTheListIntactAndUnlocked) {
  InMemoryGlobalHeap heap;
  EXPECT_EQ(AddToDropList(heap, 0, "a"), 0u);

  heap.LimitBlockSize(16);
  EXPECT_EQ(CreateDropList(heap), 0u);
  EXPECT_EQ(heap.LiveBlocks(), 0u);

  heap.LimitBlockSize(30);
  const MemoryHandle list = CreateDropList(heap);
  ASSERT_NE(list, 0u);
  EXPECT_EQ(heap.Flags(list), 0x2042u);
  ASSERT_EQ(AddToDropList(heap, list, "a.txt"), list);
  EXPECT_EQ(AddToDropList(heap, list, "too-long.txt"), 0u);
  EXPECT_EQ(heap.Size(list), 23u);
  EXPECT_EQ(heap.LockCount(list), 0);
  EXPECT_EQ(heap.Flags(list), 0x2042u);
  EXPECT_EQ(AddToDropList(heap, list, "b"), list);
  EXPECT_EQ(heap.Size(list), 25u);
}

}  // namespace
}  // namespace kl
