#include "platform/registry_memory.h"

#include "platform/text.h"

namespace kl {
namespace {

// Key and value names compare without regard to the case of single-byte letters, and
// sort as the registry sorts them: by their upper-case form.
std::string UpperCaseKey(std::string_view name) {
  std::string upper(name);
  for (std::size_t pos = 0; pos < upper.size(); pos += CharLength(upper, pos)) {
    if (upper[pos] >= 'a' && upper[pos] <= 'z') upper[pos] = static_cast<char>(upper[pos] - 'a' + 'A');
  }
  return upper;
}

struct CaseInsensitiveLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return UpperCaseKey(a) < UpperCaseKey(b);
  }
};

// Splits a path at backslashes that are characters of their own. A trailing backslash
// names the same key; an empty name inside the path makes it invalid.
std::optional<std::vector<std::string>> SplitPath(std::string_view path) {
  std::vector<std::string> names;
  if (path.empty()) return names;
  std::string name;
  for (std::size_t pos = 0; pos < path.size(); pos += CharLength(path, pos)) {
    if (CharLength(path, pos) == 1 && path[pos] == '\\') {
      if (name.empty()) return std::nullopt;
      names.push_back(std::move(name));
      name.clear();
    } else {
      name.append(path.substr(pos, CharLength(path, pos)));
    }
  }
  if (!name.empty()) names.push_back(std::move(name));
  return names;
}

}  // namespace

struct InMemoryRegistry::Key {
  std::map<std::string, std::unique_ptr<Key>, CaseInsensitiveLess> subkeys;
  std::map<std::string, RegistryValue, CaseInsensitiveLess> values;
  bool denyOpen = false;
  bool failWrites = false;
  bool failReads = false;
  bool deleted = false;
};

InMemoryRegistry::InMemoryRegistry()
    : currentUser_(std::make_unique<Key>()), classesRoot_(std::make_unique<Key>()) {}

InMemoryRegistry::~InMemoryRegistry() = default;

InMemoryRegistry::Key* InMemoryRegistry::Find(RegistryRoot root, std::string_view path, bool create) {
  const auto names = SplitPath(path);
  if (!names) return nullptr;
  Key* key = root == RegistryRoot::CurrentUser ? currentUser_.get() : classesRoot_.get();
  for (const std::string& name : *names) {
    auto found = key->subkeys.find(name);
    if (found == key->subkeys.end()) {
      if (!create || key->failWrites) return nullptr;
      found = key->subkeys.emplace(name, std::make_unique<Key>()).first;
    }
    key = found->second.get();
  }
  return key;
}

InMemoryRegistry::Key* InMemoryRegistry::Resolve(KeyHandle key) const {
  const auto found = handles_.find(key);
  return found == handles_.end() || found->second->deleted ? nullptr : found->second;
}

KeyHandle InMemoryRegistry::Open(RegistryRoot root, std::string_view path, bool create) {
  Key* key = Find(root, path, create);
  if (key == nullptr || key->denyOpen) return 0;
  const KeyHandle handle = nextHandle_++;
  handles_.emplace(handle, key);
  return handle;
}

void InMemoryRegistry::Close(KeyHandle key) { handles_.erase(key); }

ValueRead InMemoryRegistry::ReadValue(KeyHandle handle, std::string_view name) {
  Key* key = Resolve(handle);
  if (key == nullptr) return {};
  const auto found = key->values.find(std::string(name));
  if (found == key->values.end()) return {};
  if (key->failReads) return {ValueRead::Status::ReadFailed, {}};
  return {ValueRead::Status::Found, found->second};
}

bool InMemoryRegistry::WriteValue(KeyHandle handle, std::string_view name, const RegistryValue& value) {
  Key* key = Resolve(handle);
  if (key == nullptr || key->failWrites) return false;
  key->values.insert_or_assign(std::string(name), value);
  return true;
}

std::vector<std::string> InMemoryRegistry::SubkeyNames(KeyHandle handle) {
  std::vector<std::string> names;
  if (Key* key = Resolve(handle)) {
    for (const auto& [name, subkey] : key->subkeys) names.push_back(name);
  }
  return names;
}

std::vector<NamedValue> InMemoryRegistry::Values(KeyHandle handle) {
  std::vector<NamedValue> values;
  if (Key* key = Resolve(handle)) {
    for (const auto& [name, value] : key->values) values.push_back({name, value});
  }
  return values;
}

bool InMemoryRegistry::DeleteLeaf(RegistryRoot root, std::string_view path) {
  const auto names = SplitPath(path);
  if (!names || names->empty()) return false;
  std::string parentPath;
  for (std::size_t index = 0; index + 1 < names->size(); ++index) parentPath += (*names)[index] + '\\';
  Key* parent = Find(root, parentPath, false);
  if (parent == nullptr || parent->failWrites) return false;
  const auto found = parent->subkeys.find(names->back());
  if (found == parent->subkeys.end() || !found->second->subkeys.empty() || found->second->denyOpen) {
    return false;
  }
  found->second->deleted = true;  // handles still open on it now reach nothing
  deletedKeys_.push_back(std::move(found->second));
  parent->subkeys.erase(found);
  return true;
}

void InMemoryRegistry::DenyOpen(RegistryRoot root, std::string_view path) {
  Find(root, path, true)->denyOpen = true;
}

void InMemoryRegistry::FailWrites(RegistryRoot root, std::string_view path) {
  Find(root, path, true)->failWrites = true;
}

void InMemoryRegistry::FailReads(RegistryRoot root, std::string_view path) {
  Find(root, path, true)->failReads = true;
}

}  // namespace kl
