// A program started by a test, with a bounded wait for its end and a look at the message
// boxes it shows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kl::test {

// The folder of the running test program, with its trailing backslash.
std::string OwnFolder();

class ChildProcess {
 public:
  explicit ChildProcess(const std::string& commandLine);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  HANDLE handle() const { return info_.hProcess; }
  // The exit code, or none when the process is still running after the timeout.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);
  // Waits for a message box of this process, returns its text and presses its OK button.
  std::optional<std::string> AnswerMessageBox(DWORD timeoutMs);

 private:
  PROCESS_INFORMATION info_{};
};

// Polls for a top-level window with exactly this title.
HWND WaitForWindow(const std::string& title, DWORD timeoutMs);

}  // namespace kl::test
