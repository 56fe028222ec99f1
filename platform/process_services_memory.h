// In-memory stand-ins: a launcher with scripted results, a message sink that records, a
// set of folders, and a clock that only moves when the program sleeps.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/process_services.h"

namespace kl {

class InMemoryLauncher final : public Launcher {
 public:
  unsigned WinExec(const std::string& commandLine, int show) override;

  static constexpr unsigned kFileNotFound = 2;
  unsigned result = 33;
  std::function<void(const std::string&)> onStart;  // runs on a successful start
  std::vector<std::string> started;
  std::vector<int> shows;
};

class InMemoryMessageSink final : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

class InMemoryFileSystem final : public FileSystem {
 public:
  bool DirectoryExists(const std::string& path) override { return folders.count(path) != 0; }
  std::string ExecutablePath() override { return executablePath; }
  std::set<std::string> folders;
  std::string executablePath = "C:\\Tools\\KL.EXE";
};

class InMemoryClock final : public Clock {
 public:
  std::uint64_t NowMs() override { return now_; }
  void SleepMs(unsigned milliseconds) override;
  // Runs `action` once the clock has reached `atMs`.
  void At(std::uint64_t atMs, std::function<void()> action) { pending_.emplace(atMs, std::move(action)); }

  std::uint64_t slept() const { return slept_; }
  int sleeps() const { return sleeps_; }

 private:
  std::uint64_t now_ = 0;
  std::uint64_t slept_ = 0;
  int sleeps_ = 0;
  std::multimap<std::uint64_t, std::function<void()>> pending_;
};

}  // namespace kl
