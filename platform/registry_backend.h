// The registry as the store sees it: keys opened by path from one of two roots, typed
// values, subkey lists. Two backends: the Win32 registry and an in-memory tree.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kl {

enum class RegistryRoot { CurrentUser, ClassesRoot };

// Value types, numbered as the Windows registry numbers them.
enum class ValueType : std::uint32_t { None = 0, String = 1, ExpandString = 2, Binary = 3, DWord = 4 };

struct RegistryValue {
  ValueType type = ValueType::None;
  std::string data;  // raw bytes
};

struct NamedValue {
  std::string name;
  RegistryValue value;
};

// What reading a value found.
struct ValueRead {
  enum class Status { Missing, Found, ReadFailed } status = Status::Missing;
  RegistryValue value;
};

// An open key of a backend; 0 is no key.
using KeyHandle = std::uintptr_t;

class RegistryBackend {
 public:
  virtual ~RegistryBackend() = default;

  // Opens `path` (no leading backslash; "" is the root itself) with full access, creating
  // missing keys along it when `create` is set. Returns 0 when it cannot.
  virtual KeyHandle Open(RegistryRoot root, std::string_view path, bool create) = 0;
  virtual void Close(KeyHandle key) = 0;

  virtual ValueRead ReadValue(KeyHandle key, std::string_view name) = 0;
  virtual bool WriteValue(KeyHandle key, std::string_view name, const RegistryValue& value) = 0;
  virtual std::vector<std::string> SubkeyNames(KeyHandle key) = 0;
  virtual std::vector<NamedValue> Values(KeyHandle key) = 0;

  // Deletes `path`, which must have no subkeys. False when it does not exist or cannot go.
  virtual bool DeleteLeaf(RegistryRoot root, std::string_view path) = 0;
};

}  // namespace kl
