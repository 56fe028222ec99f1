// The Win32 backends of every platform service, owned together.
#pragma once

#include "platform/global_heap_win32.h"
#include "platform/platform.h"
#include "platform/process_services_win32.h"
#include "platform/registry_win32.h"
#include "platform/window_manager_win32.h"

namespace kl {

struct Win32Platform {
  Win32Registry registry;
  Win32GlobalHeap heap;
  Win32WindowManager windows;
  Win32Launcher launcher;
  Win32MessageSink messages;
  Win32FileSystem files;
  Win32Clock clock;

  Platform View() { return {registry, heap, windows, launcher, messages, files, clock}; }
};

}  // namespace kl
