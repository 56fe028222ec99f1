#include "platform/global_heap_win32.h"

#include <windows.h>

namespace kl {
namespace {
HGLOBAL AsHglobal(MemoryHandle block) { return reinterpret_cast<HGLOBAL>(block); }
}  // namespace

MemoryHandle Win32GlobalHeap::Alloc(unsigned flags, std::size_t size) {
  return reinterpret_cast<MemoryHandle>(GlobalAlloc(flags, size));
}

MemoryHandle Win32GlobalHeap::ReAlloc(MemoryHandle block, std::size_t size, unsigned flags) {
  return reinterpret_cast<MemoryHandle>(GlobalReAlloc(AsHglobal(block), size, flags));
}

unsigned char* Win32GlobalHeap::Lock(MemoryHandle block) {
  return static_cast<unsigned char*>(GlobalLock(AsHglobal(block)));
}

void Win32GlobalHeap::Unlock(MemoryHandle block) { GlobalUnlock(AsHglobal(block)); }

std::size_t Win32GlobalHeap::Size(MemoryHandle block) { return GlobalSize(AsHglobal(block)); }

void Win32GlobalHeap::Free(MemoryHandle block) { GlobalFree(AsHglobal(block)); }

}  // namespace kl
