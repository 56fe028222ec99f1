#include "platform/window_manager_memory.h"

#include <algorithm>

namespace kl {

WindowHandle InMemoryWindowManager::Add(std::string title, bool onTop) {
  const WindowHandle handle = next_++;
  windows_.insert(onTop ? windows_.begin() : windows_.end(), Window{handle, std::move(title)});
  return handle;
}

void InMemoryWindowManager::Remove(WindowHandle window) {
  std::erase_if(windows_, [window](const Window& w) { return w.handle == window; });
}

WindowHandle InMemoryWindowManager::FirstTopLevel() {
  return windows_.empty() ? 0 : windows_.front().handle;
}

WindowHandle InMemoryWindowManager::NextTopLevel(WindowHandle window) {
  const auto found = std::find_if(windows_.begin(), windows_.end(),
                                  [window](const Window& w) { return w.handle == window; });
  if (found == windows_.end() || found + 1 == windows_.end()) return 0;
  return (found + 1)->handle;
}

std::string InMemoryWindowManager::Title(WindowHandle window) {
  ++titleReads_;
  for (const Window& w : windows_) {
    if (w.handle == window) return w.title.substr(0, kMaxTitleBytes);
  }
  return {};
}

void InMemoryWindowManager::PostDropFiles(WindowHandle window, MemoryHandle dropList) {
  posts_.push_back({window, dropList});
}

}  // namespace kl
