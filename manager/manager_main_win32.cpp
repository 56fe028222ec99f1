#include <windows.h>

#include "manager/manager_main.h"

namespace kl {

void RunManager(Platform&) {
  HWND window = CreateWindowExA(0, "STATIC", "Kolbra", WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE,
                                CW_USEDEFAULT, CW_USEDEFAULT, 383, 185, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  MSG message;
  while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace kl
