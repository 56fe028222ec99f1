// A top-level window of the test process, pumped by a thread of its own, that records
// every WM_DROPFILES it receives with the bytes of the block.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kl::test {

class TestWindow {
 public:
  struct Drop {
    std::string bytes;
  };

  explicit TestWindow(std::string title, bool visible = true);
  ~TestWindow();

  HWND handle() const { return window_; }
  // Waits until `count` drops have arrived or the timeout passes; returns the drops.
  std::vector<Drop> WaitForDrops(std::size_t count, DWORD timeoutMs);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Pump(std::string title, bool visible);

  std::thread thread_;
  HWND window_ = nullptr;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Drop> drops_;
};

}  // namespace kl::test
