#pragma once

#include "platform/process_services.h"

namespace kl {

class Win32Launcher final : public Launcher {
 public:
  unsigned WinExec(const std::string& commandLine, int show) override;
};

class Win32MessageSink final : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override;
};

class Win32FileSystem final : public FileSystem {
 public:
  bool DirectoryExists(const std::string& path) override;
  std::string ExecutablePath() override;
};

class Win32Clock final : public Clock {
 public:
  std::uint64_t NowMs() override;
  void SleepMs(unsigned milliseconds) override;
};

}  // namespace kl
