#include "opener/drop_list.h"

#include <cstring>
#include <optional>

namespace kl {
namespace {

constexpr std::size_t kNonClientFlagOffset = 12;

// Offset of the NUL that ends the list, found by walking the names; none when the block
// is not a well-formed list.
std::optional<std::size_t> FindTerminator(GlobalHeap& heap, MemoryHandle dropList) {
  const std::size_t size = heap.Size(dropList);
  LockedBlock block(heap, dropList);
  if (!block || size < kDropListHeaderSize + 1) return std::nullopt;
  const unsigned char* bytes = block.bytes();
  std::size_t pos = bytes[0] | (bytes[1] << 8);  // the offset's two low bytes
  while (pos < size && bytes[pos] != 0) {
    while (pos < size && bytes[pos] != 0) ++pos;
    ++pos;  // past the name's NUL
  }
  if (pos >= size) return std::nullopt;
  return pos;
}

}  // namespace

MemoryHandle CreateDropList(GlobalHeap& heap) {
  const MemoryHandle dropList = heap.Alloc(kDropListFlags, kDropListHeaderSize + 1);
  if (dropList == 0) return 0;
  LockedBlock block(heap, dropList);
  if (!block) {
    heap.Free(dropList);
    return 0;
  }
  block.bytes()[0] = static_cast<unsigned char>(kDropListHeaderSize);
  block.bytes()[kNonClientFlagOffset] = 1;
  return dropList;
}

MemoryHandle AddToDropList(GlobalHeap& heap, MemoryHandle dropList, std::string_view name) {
  if (dropList == 0) return 0;
  const std::optional<std::size_t> terminator = FindTerminator(heap, dropList);
  if (!terminator) return 0;
  const std::size_t usedSize = *terminator + 1;
  const std::size_t newSize = usedSize + name.size() + 1;
  if (newSize >= kDropListSizeLimit) return 0;
  const MemoryHandle grown = heap.ReAlloc(dropList, newSize, kDropListFlags);
  if (grown == 0) return 0;
  LockedBlock block(heap, grown);
  if (!block) return 0;
  unsigned char* nameStart = block.bytes() + *terminator;
  std::memcpy(nameStart, name.data(), name.size());
  nameStart[name.size()] = 0;
  nameStart[name.size() + 1] = 0;  // the new terminator; zero-filled already, kept explicit
  return grown;
}

}  // namespace kl
