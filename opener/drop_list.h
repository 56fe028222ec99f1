// The drop list: a global-memory block that WM_DROPFILES carries to another program.
// A 16-byte header (list offset 16, drop point 0,0, non-client flag 1) followed by
// NUL-terminated 8-bit names and an empty name that ends the list.
#pragma once

#include <string_view>

#include "platform/global_heap.h"

namespace kl {

constexpr unsigned kDropListFlags = gmem::kMoveable | gmem::kZeroInit | gmem::kDdeShare;  // 0x2042
constexpr std::size_t kDropListHeaderSize = 16;
// The list's used size is 16-bit arithmetic; a list never grows to this size.
constexpr std::size_t kDropListSizeLimit = 65536;

// A new, empty list of 17 bytes, or 0 when it cannot be allocated.
MemoryHandle CreateDropList(GlobalHeap& heap);

// Appends `name` (no NUL inside) and returns the same handle, or 0 when the list cannot
// grow; the list is then unchanged.
MemoryHandle AddToDropList(GlobalHeap& heap, MemoryHandle dropList, std::string_view name);

}  // namespace kl
