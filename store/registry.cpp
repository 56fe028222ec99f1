#include "store/registry.h"

#include "platform/text.h"
#include "store/registry_messages.h"

namespace kl {

struct TRegistry::Subtree {
  std::vector<NamedValue> values;
  std::vector<std::pair<std::string, Subtree>> subkeys;
};

TRegistry::TRegistry(RegistryBackend& backend) : backend_(backend) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(RegistryRoot root) {
  if (root == root_) return;
  CloseKey();
  root_ = root;
}

std::string TRegistry::RelativePath(std::string_view key) {
  if (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  return std::string(key);
}

bool TRegistry::OpenKey(std::string_view key, bool canCreate) {
  const KeyHandle opened = backend_.Open(root_, RelativePath(key), canCreate);
  CloseKey();
  current_ = opened;
  return opened != 0;
}

bool TRegistry::KeyExists(std::string_view key) {
  const KeyHandle opened = backend_.Open(root_, RelativePath(key), false);
  if (opened == 0) return false;
  backend_.Close(opened);
  return true;
}

std::string TRegistry::ReadString(std::string_view name) {
  if (current_ == 0) return {};
  const ValueRead read = backend_.ReadValue(current_, name);
  switch (read.status) {
    case ValueRead::Status::Missing:
      return {};
    case ValueRead::Status::ReadFailed:
      throw ERegistryException(ReadFailedMessage(name));
    case ValueRead::Status::Found:
      break;
  }
  const std::string& data = read.value.data;
  if (data.empty()) return {};
  if (read.value.type != ValueType::String && read.value.type != ValueType::ExpandString) {
    throw ERegistryException(InvalidDataTypeMessage(name));
  }
  return data.substr(0, data.find('\0'));
}

void TRegistry::WriteString(std::string_view name, std::string_view value) {
  // A string value is stored with its terminating NUL.
  RegistryValue stored{ValueType::String, std::string(value) + '\0'};
  if (current_ == 0 || !backend_.WriteValue(current_, name, stored)) {
    throw ERegistryException(WriteFailedMessage(name));
  }
}

bool TRegistry::DeleteKey(std::string_view key) {
  // A trailing backslash names the same key; a backslash that ends a double-byte
  // character is part of the name.
  std::string path = RelativePath(key);
  if (EndsWithChar(path, '\\')) path.pop_back();
  if (path.empty()) return false;  // never the root itself
  return DeleteTree(path);
}

bool TRegistry::DeleteTree(const std::string& path) {
  const KeyHandle key = backend_.Open(root_, path, false);
  if (key == 0) return false;
  const std::vector<std::string> subkeys = backend_.SubkeyNames(key);
  backend_.Close(key);
  for (const std::string& subkey : subkeys) DeleteTree(path + '\\' + subkey);
  return backend_.DeleteLeaf(root_, path);
}

TRegistry::Subtree TRegistry::ReadSubtree(const std::string& path) {
  Subtree tree;
  const KeyHandle key = backend_.Open(root_, path, false);
  if (key == 0) return tree;
  tree.values = backend_.Values(key);
  const std::vector<std::string> subkeys = backend_.SubkeyNames(key);
  backend_.Close(key);
  for (const std::string& subkey : subkeys) {
    tree.subkeys.emplace_back(subkey, ReadSubtree(path + '\\' + subkey));
  }
  return tree;
}

bool TRegistry::WriteSubtree(const std::string& path, const Subtree& tree) {
  const KeyHandle key = backend_.Open(root_, path, true);
  if (key == 0) return false;
  for (const NamedValue& value : tree.values) backend_.WriteValue(key, value.name, value.value);
  backend_.Close(key);
  for (const auto& [name, subtree] : tree.subkeys) WriteSubtree(path + '\\' + name, subtree);
  return true;
}

void TRegistry::MoveKey(std::string_view oldName, std::string_view newName, bool deleteOld) {
  if (!KeyExists(oldName) || KeyExists(newName)) return;
  const std::string from = RelativePath(oldName);
  const std::string to = RelativePath(newName);
  // A target inside the source would be copied into itself and then deleted with it.
  const std::string lowerFrom = AnsiLowerCase(from) + '\\';
  if (AnsiLowerCase(to).rfind(lowerFrom, 0) == 0) return;
  // The whole source is read before anything is written.
  const Subtree tree = ReadSubtree(from);
  if (!WriteSubtree(to, tree)) throw ERegistryException(CreateKeyFailedMessage(newName));
  if (deleteOld) DeleteKey(oldName);
}

void TRegistry::GetKeyNames(std::vector<std::string>& list) {
  list.clear();
  if (current_ != 0) list = backend_.SubkeyNames(current_);
}

void TRegistry::CloseKey() {
  if (current_ != 0) backend_.Close(current_);
  current_ = 0;
}

}  // namespace kl
