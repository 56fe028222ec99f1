// Manager mode: the configuration window and its message loop.
#pragma once

#include "platform/form_host.h"
#include "platform/platform.h"

namespace kl {

// Creates the manager window on `host` and runs it until it is closed. An error that
// escapes creation or the loop is shown in the application's error box.
void RunManager(FormHost& host, Platform& platform);

}  // namespace kl
