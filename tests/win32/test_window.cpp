#include "test_window.h"


namespace kl::test {
namespace {
constexpr char kClassName[] = "KLTestWindow";
}

TestWindow::TestWindow(std::string title, bool visible) {
  std::unique_lock lock(mutex_);
  thread_ = std::thread(&TestWindow::Pump, this, std::move(title), visible);
  changed_.wait(lock, [this] { return window_ != nullptr; });
}

TestWindow::~TestWindow() {
  PostMessageA(window_, WM_CLOSE, 0, 0);
  thread_.join();
}

void TestWindow::Pump(std::string title, bool visible) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &TestWindow::Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);  // fails harmlessly once the class exists
  HWND window = CreateWindowExA(WS_EX_ACCEPTFILES, kClassName, title.c_str(),
                                WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), this);
  {
    std::lock_guard lock(mutex_);
    window_ = window;
  }
  changed_.notify_all();
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrA(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_DROPFILES: {
      const auto drop = reinterpret_cast<HGLOBAL>(wParam);
      Drop received;
      const auto* bytes = static_cast<const char*>(GlobalLock(drop));
      received.bytes.assign(bytes, GlobalSize(drop));
      GlobalUnlock(drop);
      GlobalFree(drop);  // the receiver owns the list
      {
        std::lock_guard lock(self->mutex_);
        self->drops_.push_back(std::move(received));
      }
      self->changed_.notify_all();
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

std::vector<TestWindow::Drop> TestWindow::WaitForDrops(std::size_t count, DWORD timeoutMs) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return drops_.size() >= count; });
  return drops_;
}

}  // namespace kl::test
