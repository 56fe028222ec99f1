// Messages of the registry error, with the value or key name in place of %s.
#pragma once

#include <string>
#include <string_view>

namespace kl {

std::string InvalidDataTypeMessage(std::string_view valueName);
std::string ReadFailedMessage(std::string_view valueName);
std::string WriteFailedMessage(std::string_view valueName);
std::string CreateKeyFailedMessage(std::string_view keyName);

}  // namespace kl
