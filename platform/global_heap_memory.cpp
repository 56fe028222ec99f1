#include "platform/global_heap_memory.h"

namespace kl {

InMemoryGlobalHeap::Block* InMemoryGlobalHeap::Find(MemoryHandle block) {
  const auto found = blocks_.find(block);
  return found == blocks_.end() ? nullptr : &found->second;
}

MemoryHandle InMemoryGlobalHeap::Alloc(unsigned flags, std::size_t size) {
  if (size > limit_) return 0;
  const MemoryHandle handle = next_;
  next_ += 0x10;
  blocks_[handle] = Block{std::vector<unsigned char>(size, 0), flags, 0};
  return handle;
}

MemoryHandle InMemoryGlobalHeap::ReAlloc(MemoryHandle handle, std::size_t size, unsigned flags) {
  Block* block = Find(handle);
  if (block == nullptr || size > limit_) return 0;
  block->bytes.resize(size, 0);
  block->flags = flags;
  return handle;
}

unsigned char* InMemoryGlobalHeap::Lock(MemoryHandle handle) {
  Block* block = Find(handle);
  if (block == nullptr) return nullptr;
  ++block->locks;
  return block->bytes.data();
}

void InMemoryGlobalHeap::Unlock(MemoryHandle handle) {
  if (Block* block = Find(handle); block != nullptr && block->locks > 0) --block->locks;
}

std::size_t InMemoryGlobalHeap::Size(MemoryHandle handle) {
  Block* block = Find(handle);
  return block == nullptr ? 0 : block->bytes.size();
}

void InMemoryGlobalHeap::Free(MemoryHandle handle) { blocks_.erase(handle); }

int InMemoryGlobalHeap::LockCount(MemoryHandle handle) const {
  const auto found = blocks_.find(handle);
  return found == blocks_.end() ? 0 : found->second.locks;
}

unsigned InMemoryGlobalHeap::Flags(MemoryHandle handle) const {
  const auto found = blocks_.find(handle);
  return found == blocks_.end() ? 0 : found->second.flags;
}

}  // namespace kl
