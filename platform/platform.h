// Everything the portable core takes from the platform, gathered for one run.
#pragma once

#include "platform/global_heap.h"
#include "platform/process_services.h"
#include "platform/registry_backend.h"
#include "platform/window_manager.h"

namespace kl {

struct Platform {
  RegistryBackend& registry;
  GlobalHeap& heap;
  WindowManager& windows;
  Launcher& launcher;
  MessageSink& messages;
  FileSystem& files;
  Clock& clock;
};

}  // namespace kl
