// TRegistry: one root, at most one current key, and the operations every action of the
// program reaches the registry through. Paths begin with a backslash and resolve from the
// root selected last.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_backend.h"

namespace kl {

// The registry error; its message is code page 932 text meant for the user.
class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TRegistry {
 public:
  explicit TRegistry(RegistryBackend& backend);
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  RegistryRoot RootKey() const { return root_; }
  // Selecting another root closes the current key.
  void SetRootKey(RegistryRoot root);

  // Opens (or, with canCreate, creates) the key, which becomes current. On failure no key
  // is current, so nothing can reach a key opened earlier.
  bool OpenKey(std::string_view key, bool canCreate);
  bool KeyExists(std::string_view key);
  // Text of a string value of the current key; empty when there is no key, no value, or
  // an empty one. Raises ERegistryException for data of another type.
  std::string ReadString(std::string_view name);
  // Raises ERegistryException when the write fails, also when no key is current.
  void WriteString(std::string_view name, std::string_view value);
  // Removes the key with its whole subtree; false when it did not exist.
  bool DeleteKey(std::string_view key);
  // Copies oldName with values and subtree to newName, which must not exist yet, and then
  // removes oldName when deleteOld is set. Does nothing when oldName is missing.
  void MoveKey(std::string_view oldName, std::string_view newName, bool deleteOld);
  void GetKeyNames(std::vector<std::string>& list);
  void CloseKey();

  bool HasCurrentKey() const { return current_ != 0; }

 private:
  struct Subtree;
  static std::string RelativePath(std::string_view key);
  Subtree ReadSubtree(const std::string& path);
  bool WriteSubtree(const std::string& path, const Subtree& tree);
  bool DeleteTree(const std::string& path);

  RegistryBackend& backend_;
  RegistryRoot root_ = RegistryRoot::CurrentUser;
  KeyHandle current_ = 0;
};

}  // namespace kl
