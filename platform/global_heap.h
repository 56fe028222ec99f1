// Movable, shareable global memory blocks known by a handle, as WM_DROPFILES carries them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kl {

using MemoryHandle = std::uintptr_t;  // 0 is no block

namespace gmem {
constexpr unsigned kMoveable = 0x0002;
constexpr unsigned kZeroInit = 0x0040;
constexpr unsigned kDdeShare = 0x2000;
}  // namespace gmem

class GlobalHeap {
 public:
  virtual ~GlobalHeap() = default;
  virtual MemoryHandle Alloc(unsigned flags, std::size_t size) = 0;
  // Keeps contents and handle; 0 when the block cannot grow, which then stays as it was.
  virtual MemoryHandle ReAlloc(MemoryHandle block, std::size_t size, unsigned flags) = 0;
  virtual unsigned char* Lock(MemoryHandle block) = 0;
  virtual void Unlock(MemoryHandle block) = 0;
  virtual std::size_t Size(MemoryHandle block) = 0;
  virtual void Free(MemoryHandle block) = 0;
};

// Locks a block for the time of one access.
class LockedBlock {
 public:
  LockedBlock(GlobalHeap& heap, MemoryHandle block) : heap_(heap), block_(block), bytes_(heap.Lock(block)) {}
  ~LockedBlock() {
    if (bytes_ != nullptr) heap_.Unlock(block_);
  }
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;

  unsigned char* bytes() const { return bytes_; }
  explicit operator bool() const { return bytes_ != nullptr; }

 private:
  GlobalHeap& heap_;
  MemoryHandle block_;
  unsigned char* bytes_;
};

}  // namespace kl
