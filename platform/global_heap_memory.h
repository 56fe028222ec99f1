// Global memory as a handle table of byte vectors, with allocation faults for tests.
#pragma once

#include <map>
#include <vector>

#include "platform/global_heap.h"

namespace kl {

class InMemoryGlobalHeap final : public GlobalHeap {
 public:
  MemoryHandle Alloc(unsigned flags, std::size_t size) override;
  MemoryHandle ReAlloc(MemoryHandle block, std::size_t size, unsigned flags) override;
  unsigned char* Lock(MemoryHandle block) override;
  void Unlock(MemoryHandle block) override;
  std::size_t Size(MemoryHandle block) override;
  void Free(MemoryHandle block) override;

  // Fails every allocation or reallocation that would make a block larger than `bytes`.
  void LimitBlockSize(std::size_t bytes) { limit_ = bytes; }
  std::size_t LiveBlocks() const { return blocks_.size(); }
  int LockCount(MemoryHandle block) const;
  unsigned Flags(MemoryHandle block) const;

 private:
  struct Block {
    std::vector<unsigned char> bytes;
    unsigned flags = 0;
    int locks = 0;
  };
  Block* Find(MemoryHandle block);

  std::map<MemoryHandle, Block> blocks_;
  MemoryHandle next_ = 0x1000;
  std::size_t limit_ = static_cast<std::size_t>(-1);
};

}  // namespace kl
