// Top-level windows as a list in Z order, with every post recorded.
#pragma once

#include <string>
#include <vector>

#include "platform/window_manager.h"

namespace kl {

class InMemoryWindowManager final : public WindowManager {
 public:
  struct Post {
    WindowHandle window;
    MemoryHandle dropList;
  };

  // Adds a window below all others (or on top) and returns its handle.
  WindowHandle Add(std::string title, bool onTop = false);
  void Remove(WindowHandle window);

  WindowHandle FirstTopLevel() override;
  WindowHandle NextTopLevel(WindowHandle window) override;
  std::string Title(WindowHandle window) override;
  void PostDropFiles(WindowHandle window, MemoryHandle dropList) override;

  const std::vector<Post>& posts() const { return posts_; }
  int titleReads() const { return titleReads_; }

 private:
  struct Window {
    WindowHandle handle;
    std::string title;
  };
  std::vector<Window> windows_;  // Z order, top first
  std::vector<Post> posts_;
  WindowHandle next_ = 0x100;
  int titleReads_ = 0;
};

}  // namespace kl
