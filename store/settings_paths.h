// Where the program keeps its settings in the registry, and the names of their values.
#pragma once

namespace kl::settings {

constexpr const char* kSettingsRoot = "\\Software\\kolbra";
constexpr const char* kRecordPrefix = "\\Software\\kolbra\\";  // + extension
constexpr const char* kDefaultValue = "";  // target command of a record, viewer path of the root
constexpr const char* kCaptionValue = "caption";
constexpr const char* kBackupValue = "bak";
constexpr const char* kViewerTitle = "Queue";

}  // namespace kl::settings
