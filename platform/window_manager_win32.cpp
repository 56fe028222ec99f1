#include "platform/window_manager_win32.h"

#include <windows.h>

namespace kl {
namespace {
HWND AsHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
}  // namespace

WindowHandle Win32WindowManager::FirstTopLevel() {
  return reinterpret_cast<WindowHandle>(GetTopWindow(nullptr));
}

WindowHandle Win32WindowManager::NextTopLevel(WindowHandle window) {
  return reinterpret_cast<WindowHandle>(GetWindow(AsHwnd(window), GW_HWNDNEXT));
}

std::string Win32WindowManager::Title(WindowHandle window) {
  char buffer[kMaxTitleBytes + 1] = {};
  const int length = GetWindowTextA(AsHwnd(window), buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

void Win32WindowManager::PostDropFiles(WindowHandle window, MemoryHandle dropList) {
  PostMessageA(AsHwnd(window), WM_DROPFILES, static_cast<WPARAM>(dropList), 0);
}

}  // namespace kl
