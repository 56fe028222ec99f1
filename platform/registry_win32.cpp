#include "platform/registry_win32.h"

#include <windows.h>

#include <algorithm>

namespace kl {
namespace {

HKEY RootHandle(RegistryRoot root) {
  return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT;
}

HKEY AsHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

KeyHandle Win32Registry::Open(RegistryRoot root, std::string_view path, bool create) {
  const std::string subKey(path);
  HKEY key = nullptr;
  const LONG status =
      create ? RegCreateKeyExA(RootHandle(root), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               KEY_ALL_ACCESS, nullptr, &key, nullptr)
             : RegOpenKeyExA(RootHandle(root), subKey.c_str(), 0, KEY_ALL_ACCESS, &key);
  return status == ERROR_SUCCESS ? reinterpret_cast<KeyHandle>(key) : 0;
}

void Win32Registry::Close(KeyHandle key) { RegCloseKey(AsHkey(key)); }

ValueRead Win32Registry::ReadValue(KeyHandle key, std::string_view name) {
  const std::string valueName(name);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(AsHkey(key), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return {};
  }
  // Size first, then read into a buffer of that size: the data need not end in a NUL.
  std::string data(size, '\0');
  DWORD read = size;
  if (size > 0 && RegQueryValueExA(AsHkey(key), valueName.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &read) != ERROR_SUCCESS) {
    return {ValueRead::Status::ReadFailed, {}};
  }
  data.resize(read);
  return {ValueRead::Status::Found, {static_cast<ValueType>(type), std::move(data)}};
}

bool Win32Registry::WriteValue(KeyHandle key, std::string_view name, const RegistryValue& value) {
  const std::string valueName(name);
  return RegSetValueExA(AsHkey(key), valueName.c_str(), 0, static_cast<DWORD>(value.type),
                        reinterpret_cast<const BYTE*>(value.data.data()),
                        static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

std::vector<std::string> Win32Registry::SubkeyNames(KeyHandle key) {
  std::vector<std::string> names;
  // The longest name that RegQueryInfoKeyA reports may count characters, not bytes:
  // start with room for any key name and grow when a double-byte name needs more.
  std::string buffer(512, '\0');
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LONG status = RegEnumKeyExA(AsHkey(key), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_MORE_DATA) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), length);
    ++index;
  }
  return names;
}

std::vector<NamedValue> Win32Registry::Values(KeyHandle key) {
  std::vector<NamedValue> values;
  std::string name(512, '\0');
  std::string data(4096, '\0');
  for (DWORD index = 0;;) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD dataLength = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const LONG status = RegEnumValueA(AsHkey(key), index, name.data(), &nameLength, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &dataLength);
    if (status == ERROR_MORE_DATA) {
      name.resize(name.size() * 2);
      data.resize(std::max<std::size_t>(data.size() * 2, dataLength));
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    values.push_back({std::string(name.data(), nameLength), {static_cast<ValueType>(type), data.substr(0, dataLength)}});
    ++index;
  }
  return values;
}

bool Win32Registry::DeleteLeaf(RegistryRoot root, std::string_view path) {
  const std::string subKey(path);
  return RegDeleteKeyA(RootHandle(root), subKey.c_str()) == ERROR_SUCCESS;
}

}  // namespace kl
