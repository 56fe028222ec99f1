// The Windows registry through the ANSI registry API.
#pragma once

#include "platform/registry_backend.h"

namespace kl {

class Win32Registry final : public RegistryBackend {
 public:
  KeyHandle Open(RegistryRoot root, std::string_view path, bool create) override;
  void Close(KeyHandle key) override;
  ValueRead ReadValue(KeyHandle key, std::string_view name) override;
  bool WriteValue(KeyHandle key, std::string_view name, const RegistryValue& value) override;
  std::vector<std::string> SubkeyNames(KeyHandle key) override;
  std::vector<NamedValue> Values(KeyHandle key) override;
  bool DeleteLeaf(RegistryRoot root, std::string_view path) override;
};

}  // namespace kl
