// Where the program keeps its settings and what it reads of them.
#pragma once

namespace kl::layout {

constexpr const char* kSettingsRoot = "\\Software\\kolbra";
constexpr const char* kRecordPrefix = "\\Software\\kolbra\\";  // + extension
constexpr const char* kDefaultValue = "";  // target command of a record, viewer path of the root
constexpr const char* kCaptionValue = "caption";
constexpr const char* kBackupValue = "bak";
constexpr const char* kViewerTitle = "Queue";

}  // namespace kl::layout
