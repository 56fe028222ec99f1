#include "child_process.h"

namespace kl::test {

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

ChildProcess::ChildProcess(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_)) {
    info_ = {};
  }
}

ChildProcess::~ChildProcess() {
  if (!started()) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

std::optional<DWORD> ChildProcess::WaitForExit(DWORD timeoutMs) {
  if (!started() || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

namespace {

struct DialogSearch {
  DWORD processId;
  HWND dialog = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<DialogSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (owner == search->processId && std::string(className) == "#32770" && IsWindowVisible(window)) {
    search->dialog = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindText(HWND child, LPARAM parameter) {
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  char text[512] = {};
  if (std::string(className) == "Static" && GetWindowTextA(child, text, sizeof text) > 0) {
    *reinterpret_cast<std::string*>(parameter) = text;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::optional<std::string> ChildProcess::AnswerMessageBox(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  DialogSearch search{info_.dwProcessId};
  while (search.dialog == nullptr && GetTickCount() - start < timeoutMs) {
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.dialog == nullptr) Sleep(50);
  }
  if (search.dialog == nullptr) return std::nullopt;
  std::string text;
  EnumChildWindows(search.dialog, FindText, reinterpret_cast<LPARAM>(&text));
  PostMessageA(search.dialog, WM_COMMAND, IDOK, 0);
  return text;
}

HWND WaitForWindow(const std::string& title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = FindWindowA(nullptr, title.c_str())) return window;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(50);
  }
}

}  // namespace kl::test
