#include "platform/process_services_memory.h"

namespace kl {

unsigned InMemoryLauncher::WinExec(const std::string& commandLine, int show) {
  started.push_back(commandLine);
  shows.push_back(show);
  if (commandLine.empty()) return kFileNotFound;  // as WinExec answers an empty command line
  if (result >= 32 && onStart) onStart(commandLine);
  return result;
}

void InMemoryClock::SleepMs(unsigned milliseconds) {
  now_ += milliseconds;
  slept_ += milliseconds;
  ++sleeps_;
  while (!pending_.empty() && pending_.begin()->first <= now_) {
    auto action = std::move(pending_.begin()->second);
    pending_.erase(pending_.begin());
    action();
  }
}

}  // namespace kl
