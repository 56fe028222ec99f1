#pragma once

#include "platform/window_manager.h"

namespace kl {

class Win32WindowManager final : public WindowManager {
 public:
  WindowHandle FirstTopLevel() override;
  WindowHandle NextTopLevel(WindowHandle window) override;
  std::string Title(WindowHandle window) override;
  void PostDropFiles(WindowHandle window, MemoryHandle dropList) override;
};

}  // namespace kl
