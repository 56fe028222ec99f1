// KL.EXE: without arguments the manager window, with arguments the opener.
#include <windows.h>

#include "manager/manager_main.h"
#include "opener/opener_run.h"
#include "platform/command_line.h"
#include "platform/form_host_win32.h"
#include "platform/platform_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const kl::CommandLine commandLine(GetCommandLineA());
  kl::Win32Platform backends;
  kl::Platform platform = backends.View();
  if (commandLine.ParamCount() == 0) {
    kl::Win32FormHost host;
    kl::RunManager(host, platform);
  } else {
    kl::RunOpener(commandLine.Arguments(), platform);
  }
  return 0;
}
