// KL.EXE as the shell runs it: a process of its own, against windows and message boxes
// of other processes and the real registry.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "child_process.h"
#include "platform/registry_win32.h"
#include "store/registry.h"

namespace kl {
namespace {

constexpr DWORD kTimeoutMs = 30000;

class KlExe : public ::testing::Test {
 protected:
  void SetUp() override { RemoveRecord(); }
  void TearDown() override { RemoveRecord(); }

  void RemoveRecord() {
    TRegistry registry(backend_);
    registry.DeleteKey("\\Software\\kolbra\\.kltest");
  }

  void Record(const std::string& command, const std::string& caption) {
    TRegistry registry(backend_);
    ASSERT_TRUE(registry.OpenKey("\\Software\\kolbra\\.kltest", true));
    registry.WriteString("", command);
    registry.WriteString("caption", caption);
  }

  std::string Title(const char* stem) const {
    return std::string("KL target ") + stem + " " + std::to_string(GetCurrentProcessId());
  }

  std::string ReportPath(const char* stem) const {
    const std::string path = test::OwnFolder() + "report-" + stem + ".txt";
    DeleteFileA(path.c_str());
    return path;
  }

  static std::string TargetCommand(const std::string& title, const std::string& report, int delayMs) {
    return "\"" + test::OwnFolder() + "drop_target.exe\" \"" + title + "\" \"" + report + "\" " +
           std::to_string(delayMs);
  }

  static std::string KlCommand(const std::string& arguments) {
    return "\"" + test::OwnFolder() + "KL.EXE\" " + arguments;
  }

  // Closes the target's window and reads how many drops it counted.
  static std::string CloseAndReadReport(HWND target, const std::string& report) {
    PostMessageA(target, WM_CLOSE, 0, 0);
    const DWORD start = GetTickCount();
    std::string count;
    while (count.empty() && GetTickCount() - start < kTimeoutMs) {
      Sleep(50);
      std::ifstream file(report);
      std::getline(file, count);
    }
    return count;
  }

  Win32Registry backend_;
};

TEST_F(KlExe, DeliversOnceToTheRunningTargetWindow) {
  const std::string title = Title("running");
  const std::string report = ReportPath("running");
  test::ChildProcess target(TargetCommand(title, report, 0));
  const HWND window = test::WaitForWindow(title, kTimeoutMs);
  ASSERT_NE(window, nullptr);
  Record("C:\\nothing-to-start.exe", title);

  test::ChildProcess kl(KlCommand("\"C:\\My Files\\a.KLTEST\" C:\\b.txt"));
  EXPECT_EQ(kl.WaitForExit(kTimeoutMs), 0u);
  EXPECT_EQ(CloseAndReadReport(window, report), "1");
}

TEST_F(KlExe, StartsAMissingTargetAndDeliversOnceItsWindowAppears) {
  const std::string title = Title("started");
  const std::string report = ReportPath("started");
  Record(TargetCommand(title, report, 700), title);

  test::ChildProcess kl(KlCommand("C:\\a.kltest"));
  EXPECT_EQ(kl.WaitForExit(kTimeoutMs), 0u);
  const HWND window = test::WaitForWindow(title, kTimeoutMs);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(CloseAndReadReport(window, report), "1");
}

TEST_F(KlExe, ShowsItsMessagesAndEndsWithCodeZero) {
  struct Case {
    const char* label;
    std::string arguments;
    std::string message;
  };
  Record("C:\\no such folder\\missing.exe", Title("never"));
  const Case cases[] = {
      {"nothing to send", "-s", "?"},
      {"target cannot start", "C:\\a.kltest", "EXEｴﾗｰ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test::ChildProcess kl(KlCommand(c.arguments));
    EXPECT_EQ(kl.AnswerMessageBox(kTimeoutMs), c.message);
    EXPECT_EQ(kl.WaitForExit(kTimeoutMs), 0u);
  }
}

TEST_F(KlExe, EndsSilentlyWithoutARecord) {
  test::ChildProcess kl(KlCommand("C:\\a.kltest"));
  EXPECT_EQ(kl.WaitForExit(kTimeoutMs), 0u);
}

}  // namespace
}  // namespace kl
