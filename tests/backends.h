// The backends a shared test suite runs against: the in-memory ones everywhere, the
// Win32 ones too where the real platform is at hand.
#pragma once

#include <gtest/gtest.h>

#include "platform/global_heap_memory.h"
#include "platform/registry_memory.h"
#ifdef _WIN32
#include "platform/global_heap_win32.h"
#include "platform/registry_win32.h"
#endif

namespace kl::test {

#ifdef _WIN32
using RegistryBackends = ::testing::Types<InMemoryRegistry, Win32Registry>;
using HeapBackends = ::testing::Types<InMemoryGlobalHeap, Win32GlobalHeap>;
#else
using RegistryBackends = ::testing::Types<InMemoryRegistry>;
using HeapBackends = ::testing::Types<InMemoryGlobalHeap>;
#endif

// Names the backend in test names: RegistryContract/InMemoryRegistry.
struct BackendNames {
  template <class T>
  static std::string GetName(int) {
    if constexpr (std::is_same_v<T, InMemoryRegistry> || std::is_same_v<T, InMemoryGlobalHeap>) {
      return "InMemory";
    } else {
      return "Win32";
    }
  }
};

}  // namespace kl::test
