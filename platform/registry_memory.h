// The registry as a tree in memory: case-insensitive key and value names, typed values,
// subkeys listed in name order, and faults that tests switch on: keys that cannot be
// opened and keys whose writes fail.
#pragma once

#include <map>
#include <memory>

#include "platform/registry_backend.h"

namespace kl {

class InMemoryRegistry final : public RegistryBackend {
 public:
  InMemoryRegistry();
  ~InMemoryRegistry() override;

  KeyHandle Open(RegistryRoot root, std::string_view path, bool create) override;
  void Close(KeyHandle key) override;
  ValueRead ReadValue(KeyHandle key, std::string_view name) override;
  bool WriteValue(KeyHandle key, std::string_view name, const RegistryValue& value) override;
  std::vector<std::string> SubkeyNames(KeyHandle key) override;
  std::vector<NamedValue> Values(KeyHandle key) override;
  bool DeleteLeaf(RegistryRoot root, std::string_view path) override;

  // Faults, by path from the root as Open takes it.
  void DenyOpen(RegistryRoot root, std::string_view path);
  void FailWrites(RegistryRoot root, std::string_view path);
  void FailReads(RegistryRoot root, std::string_view path);

  std::size_t OpenHandleCount() const { return handles_.size(); }

 private:
  struct Key;
  Key* Find(RegistryRoot root, std::string_view path, bool create);
  Key* Resolve(KeyHandle key) const;

  std::unique_ptr<Key> currentUser_;
  std::unique_ptr<Key> classesRoot_;
  std::map<KeyHandle, Key*> handles_;
  std::vector<std::unique_ptr<Key>> deletedKeys_;  // kept while handles may still name them
  KeyHandle nextHandle_ = 1;
};

}  // namespace kl
