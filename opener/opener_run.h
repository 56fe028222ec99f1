// The command-line role: hand the argument paths to the target's window, starting the
// target first when it has no window yet.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace kl {

inline constexpr const char* kViewerSwitch = "-s";
inline constexpr const char* kNothingToSendMessage = "?";
inline constexpr const char* kStartFailedMessage = "EXEｴﾗｰ";
inline constexpr const char* kWindowNeverAppearedMessage = "window not found";

struct OpenerTiming {
  unsigned pollIntervalMs = 40;  // keeps the wait idle and the post prompt
  unsigned waitLimitMs = 60000;  // how long a started target may take to show its window
};

// Runs the opener over the arguments after the program name. Every ending is normal:
// the caller exits with code 0.
void RunOpener(const std::vector<std::string>& arguments, Platform& platform, OpenerTiming timing = {});

}  // namespace kl
