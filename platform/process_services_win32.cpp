#include "platform/process_services_win32.h"

#include <windows.h>

namespace kl {

unsigned Win32Launcher::WinExec(const std::string& commandLine, int show) {
  return ::WinExec(commandLine.c_str(), static_cast<UINT>(show));
}

void Win32MessageSink::ShowMessage(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), "KL", MB_OK);
}

bool Win32FileSystem::DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string Win32FileSystem::ExecutablePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);  // cut off: try again with more room
  }
}

std::uint64_t Win32Clock::NowMs() { return GetTickCount64(); }

void Win32Clock::SleepMs(unsigned milliseconds) { Sleep(milliseconds); }

}  // namespace kl
