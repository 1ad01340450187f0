#pragma once
// Registry access in the manner of the Windows registry classes: choose a root
// key, open a key (with or without creating it), read and write its typed
// values, close it. The keys live in two hive files in one folder:
// system.reg holds HKEY_LOCAL_MACHINE and HKEY_CLASSES_ROOT, user.reg holds
// HKEY_CURRENT_USER.
//
// Key paths start with a backslash for a path from the root
// ("\Software\Tolvane"); without one they are relative to the open key.
// Names of keys and values compare without regard to case. The empty value
// name is the key's unnamed default value.
//
// Every read goes to the hive as it is on disk; every write is a locked,
// atomic change of the hive file (see HiveFile).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/HiveFile.h"
#include "platform/RegHive.h"
#include "platform/RegValue.h"

class Registry {
 public:
  explicit Registry(std::filesystem::path folder);
  virtual ~Registry();
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  const std::filesystem::path& Folder() const { return folder_; }
  // The hive file that holds `root`.
  const std::filesystem::path& HiveFileOf(RegRoot root) const;

  RegRoot RootKey() const { return root_; }
  // Chooses the root key; closes any open key. HKEY_CURRENT_USER at start.
  void SetRootKey(RegRoot root);

  // Opens the key. A missing key is created (with the keys above it) only
  // when `canCreate`; then the hive must also be writable, else the key is
  // not opened. False when the key is not opened.
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey();
  bool HasOpenKey() const { return open_; }
  // The open key's path from the root, without a leading backslash.
  const std::string& CurrentPath() const { return currentPath_; }

  bool KeyExists(const std::string& key) const;
  // The names of the open key's direct subkeys.
  std::vector<std::string> GetKeyNames() const;
  std::vector<std::string> GetValueNames() const;
  bool ValueExists(const std::string& name) const;

  // Text: a missing value reads as empty text; another type raises
  // "Invalid data type for '%s'".
  std::string ReadString(const std::string& name) const;
  // A DWORD. A missing value raises "Failed to get data for '%s'", another
  // type "Invalid data type for '%s'".
  std::int32_t ReadInteger(const std::string& name) const;
  // A DWORD; any value but 0 is true. Errors as ReadInteger.
  bool ReadBool(const std::string& name) const;
  // Binary data of exactly `size` bytes into `buffer`. A missing value raises
  // "Failed to get data for '%s'"; another type or another size "Invalid data
  // type for '%s'".
  void ReadBinaryData(const std::string& name, void* buffer, std::size_t size) const;

  // Writes into the open key; a write that fails (no open key, or the hive
  // cannot be written) raises "Failed to set data for '%s'".
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, std::int32_t value);
  void WriteBool(const std::string& name, bool value);
  void WriteBinaryData(const std::string& name, const void* buffer, std::size_t size);
  // Several values of the open key in one change of the hive: all of them
  // are written or none. The error names the first value.
  void WriteValues(const std::vector<RegValue>& values);

 private:
  HiveFile& HiveOf(RegRoot root) const;
  // The full path of `key`, or false when it names no valid key.
  bool ResolvePath(const std::string& key, std::string& path) const;
  // The value of the open key; raises "Failed to get data" when it is missing.
  const RegValue& RequireValue(const std::string& name) const;

  std::filesystem::path folder_;
  mutable HiveFile systemHive_;
  mutable HiveFile userHive_;
  RegRoot root_ = RegRoot::CurrentUser;
  bool open_ = false;
  std::string currentPath_;
};
