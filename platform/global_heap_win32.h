// Global memory through GlobalAlloc and friends.
#pragma once

#include "platform/global_heap.h"

namespace kl {

class Win32GlobalHeap final : public GlobalHeap {
 public:
  MemoryHandle Alloc(unsigned flags, std::size_t size) override;
  MemoryHandle ReAlloc(MemoryHandle block, std::size_t size, unsigned flags) override;
  unsigned char* Lock(MemoryHandle block) override;
  void Unlock(MemoryHandle block) override;
  std::size_t Size(MemoryHandle block) override;
  void Free(MemoryHandle block) override;
};

}  // namespace kl
