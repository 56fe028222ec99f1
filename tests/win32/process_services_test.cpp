// The Win32 process services behave as their in-memory stand-ins assume.
#include <gtest/gtest.h>

#include "platform/process_services_memory.h"
#include "platform/process_services_win32.h"

namespace kl {
namespace {

TEST(Win32FileSystem, DirectoryExistsOnlyForFolders) {
  Win32FileSystem files;
  const std::string executable = files.ExecutablePath();
  const std::string folder = executable.substr(0, executable.find_last_of('\\'));
  struct Case {
    std::string path;
    bool folder;
  };
  for (const Case& c : {Case{folder, true}, Case{folder + "\\", true}, Case{executable, false},
                        Case{folder + "\\no such folder", false}, Case{"", false}}) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(files.DirectoryExists(c.path), c.folder);
  }
  EXPECT_EQ(executable.substr(executable.size() - 12), "kl_tests.exe");
}

TEST(Win32Launcher, CommandsThatCannotStartGiveResultsBelowThirtyTwo) {
  Win32Launcher launcher;
  EXPECT_LT(launcher.WinExec("C:\\no such folder\\missing.exe", kShowNormal), 32u);
  // The in-memory launcher answers an empty command line as the real one does.
  InMemoryLauncher standIn;
  EXPECT_LT(launcher.WinExec("", kShowNormal), 32u);
  EXPECT_LT(standIn.WinExec("", kShowNormal), 32u);
}

}  // namespace
}  // namespace kl
