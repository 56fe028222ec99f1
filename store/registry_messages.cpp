#include "store/registry_messages.h"

namespace kl {

std::string InvalidDataTypeMessage(std::string_view valueName) {
  return "'" + std::string(valueName) + "' のﾃﾞｰﾀ型が不正です";
}

std::string ReadFailedMessage(std::string_view valueName) {
  return "'" + std::string(valueName) + "' の取得に失敗しました";
}

std::string WriteFailedMessage(std::string_view valueName) {
  return "'" + std::string(valueName) + "' の設定に失敗しました";
}

std::string CreateKeyFailedMessage(std::string_view keyName) {
  return "ｷｰ " + std::string(keyName) + " の作成に失敗しました";
}

}  // namespace kl
