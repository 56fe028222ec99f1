// The in-memory backends of every platform service, owned together.
#pragma once

#include "platform/global_heap_memory.h"
#include "platform/platform.h"
#include "platform/process_services_memory.h"
#include "platform/registry_memory.h"
#include "platform/window_manager_memory.h"

namespace kl {

struct InMemoryPlatform {
  InMemoryRegistry registry;
  InMemoryGlobalHeap heap;
  InMemoryWindowManager windows;
  InMemoryLauncher launcher;
  InMemoryMessageSink messages;
  InMemoryFileSystem files;
  InMemoryClock clock;

  Platform View() { return {registry, heap, windows, launcher, messages, files, clock}; }
};

}  // namespace kl
