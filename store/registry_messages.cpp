#include "store/registry_messages.h"

namespace kl {
namespace {

std::string Around(std::string_view before, std::string_view name, std::string_view after) {
  std::string message;
  message.reserve(before.size() + name.size() + after.size());
  message.append(before).append(name).append(after);
  return message;
}

}  // namespace

std::string InvalidDataTypeMessage(std::string_view valueName) {
  return Around("'", valueName, "' のﾃﾞｰﾀ型が不正です");
}

std::string ReadFailedMessage(std::string_view valueName) { return Around("'", valueName, "' の取得に失敗しました"); }

std::string WriteFailedMessage(std::string_view valueName) { return Around("'", valueName, "' の設定に失敗しました"); }

std::string CreateKeyFailedMessage(std::string_view keyName) { return Around("ｷｰ ", keyName, " の作成に失敗しました"); }

}  // namespace kl
