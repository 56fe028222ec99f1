// What the opener needs of the rest of the system besides the registry, global memory and
// windows: starting a program, telling the user, asking about folders, and waiting.
#pragma once

#include <cstdint>
#include <string>

namespace kl {

constexpr int kShowNormal = 5;  // SW_SHOW

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts a command line; 32 or more means started, 0 to 31 failed.
  virtual unsigned WinExec(const std::string& commandLine, int show) = 0;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A modal box with the text and an OK button; returns when the user closes it.
  virtual void ShowMessage(const std::string& text) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Full path of this program's executable file.
  virtual std::string ExecutablePath() = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint64_t NowMs() = 0;
  virtual void SleepMs(unsigned milliseconds) = 0;
};

}  // namespace kl
