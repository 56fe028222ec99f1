#include "opener/opener_run.h"

#include <optional>

#include "opener/drop_list.h"
#include "opener/find_window.h"
#include "platform/text.h"
#include "store/settings_paths.h"
#include "store/registry.h"

namespace kl {
namespace {

struct Target {
  std::string command;
  std::string title;
};

struct CollectedArguments {
  MemoryHandle dropList = 0;  // what the last append returned
  bool viewerMode = false;
};

CollectedArguments CollectArguments(const std::vector<std::string>& arguments, Platform& platform,
                                    MemoryHandle created) {
  CollectedArguments collected;
  for (const std::string& argument : arguments) {
    if (argument == kViewerSwitch) {
      collected.viewerMode = true;
      continue;
    }
    // In viewer mode a path that is not a folder stands for the folder that holds it.
    const bool reduce = collected.viewerMode && !platform.files.DirectoryExists(argument);
    collected.dropList = AddToDropList(platform.heap, created, reduce ? ExtractFilePath(argument) : argument);
  }
  return collected;
}

// The target from the settings; none when the first argument's extension has no record.
std::optional<Target> ReadTarget(const std::string& firstArgument, bool viewerMode, Platform& platform) {
  TRegistry registry(platform.registry);
  registry.SetRootKey(RegistryRoot::CurrentUser);
  if (viewerMode) {
    registry.OpenKey(settings::kSettingsRoot, false);
    return Target{registry.ReadString(settings::kDefaultValue), settings::kViewerTitle};
  }
  const std::string record = settings::kRecordPrefix + AnsiLowerCase(ExtractFileExt(firstArgument));
  if (!registry.KeyExists(record)) return std::nullopt;
  registry.OpenKey(record, false);
  Target target;
  target.command = registry.ReadString(settings::kDefaultValue);
  target.title = registry.ReadString(settings::kCaptionValue);
  return target;
}

// Polls for the started target's window, idle between passes, until the time limit.
WindowHandle WaitForWindow(const std::string& title, Platform& platform, const OpenerTiming& timing) {
  if (title.empty()) return 0;  // an empty title text never matches
  const std::uint64_t deadline = platform.clock.NowMs() + timing.waitLimitMs;
  for (;;) {
    if (WindowHandle window = FindWindowByTitle(platform.windows, title)) return window;
    if (platform.clock.NowMs() >= deadline) return 0;
    platform.clock.SleepMs(timing.pollIntervalMs);
  }
}

void Deliver(MemoryHandle dropList, const Target& target, Platform& platform, const OpenerTiming& timing) {
  if (WindowHandle window = FindWindowByTitle(platform.windows, target.title)) {
    platform.windows.PostDropFiles(window, dropList);
    return;
  }
  if (platform.launcher.WinExec(target.command, kShowNormal) < 32) {
    platform.messages.ShowMessage(kStartFailedMessage);
    return;
  }
  if (WindowHandle window = WaitForWindow(target.title, platform, timing)) {
    platform.windows.PostDropFiles(window, dropList);
    return;
  }
  platform.heap.Free(dropList);
  platform.messages.ShowMessage(kWindowNeverAppearedMessage);
}

}  // namespace

void RunOpener(const std::vector<std::string>& arguments, Platform& platform, OpenerTiming timing) {
  const MemoryHandle created = CreateDropList(platform.heap);
  const CollectedArguments collected = CollectArguments(arguments, platform, created);
  if (collected.dropList == 0) {
    if (created != 0) platform.heap.Free(created);
    platform.messages.ShowMessage(kNothingToSendMessage);
    return;
  }
  std::optional<Target> target;
  try {
    target = ReadTarget(arguments.front(), collected.viewerMode, platform);
  } catch (const ERegistryException& error) {
    platform.heap.Free(collected.dropList);
    platform.messages.ShowMessage(error.what());
    return;
  }
  if (!target) {
    platform.heap.Free(collected.dropList);
    return;
  }
  Deliver(collected.dropList, *target, platform, timing);
}

}  // namespace kl
