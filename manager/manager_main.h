// Manager mode: the configuration window and its message loop.
#pragma once

namespace kl {

struct Platform;

// Shows the manager window and returns when it has been closed.
void RunManager(Platform& platform);

}  // namespace kl
