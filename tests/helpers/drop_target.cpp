// A stand-in target application: after an optional delay it shows a window with the
// given title, counts the WM_DROPFILES it receives, and when closed writes the count
// into the report file.
//   drop_target.exe <title> <report file> [delay ms]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

int dropCount = 0;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DROPFILES:
      // Wine does not carry the block into this process: count the message only.
      ++dropCount;
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 2;
  if (__argc > 3) Sleep(static_cast<DWORD>(std::atoi(__argv[3])));
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "KLDropTarget";
  RegisterClassA(&windowClass);
  CreateWindowExA(WS_EX_ACCEPTFILES, "KLDropTarget", __argv[1], WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                  120, nullptr, nullptr, instance, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  if (FILE* report = std::fopen(__argv[2], "w")) {
    std::fprintf(report, "%d", dropCount);
    std::fclose(report);
  }
  return 0;
}
