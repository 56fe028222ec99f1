// Top-level windows: walked in Z order from the top, titled, and sent dropped files.
#pragma once

#include <cstdint>
#include <string>

#include "platform/global_heap.h"

namespace kl {

using WindowHandle = std::uintptr_t;  // 0 is no window

constexpr std::size_t kMaxTitleBytes = 255;  // what a 256-byte title buffer holds

class WindowManager {
 public:
  virtual ~WindowManager() = default;
  virtual WindowHandle FirstTopLevel() = 0;
  virtual WindowHandle NextTopLevel(WindowHandle window) = 0;
  // The title cut to kMaxTitleBytes; empty when it cannot be read.
  virtual std::string Title(WindowHandle window) = 0;
  // Queues WM_DROPFILES with the drop list; the receiver owns the list from then on.
  virtual void PostDropFiles(WindowHandle window, MemoryHandle dropList) = 0;
};

}  // namespace kl
