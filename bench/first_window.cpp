// The floor for anything that looks at windows: one window-manager call, then exit.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return GetTopWindow(nullptr) != nullptr ? 0 : 1; }
