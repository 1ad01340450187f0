#include "platform/Registry.h"

#include "platform/RegistryError.h"

Registry::Registry(std::filesystem::path folder)
    : folder_(std::move(folder)),
      systemHive_(folder_ / "system.reg", {RegRoot::LocalMachine, RegRoot::ClassesRoot}),
      userHive_(folder_ / "user.reg", {RegRoot::CurrentUser}) {}

Registry::~Registry() = default;

HiveFile& Registry::HiveOf(RegRoot root) const {
  return root == RegRoot::CurrentUser ? userHive_ : systemHive_;
}

const std::filesystem::path& Registry::HiveFileOf(RegRoot root) const {
  return HiveOf(root).File();
}

void Registry::SetRootKey(RegRoot root) {
  CloseKey();
  root_ = root;
}

bool Registry::ResolvePath(const std::string& key, std::string& path) const {
  std::string_view rest(key);
  std::string base;
  if (!rest.empty() && rest.front() == '\\') {
    rest.remove_prefix(1);
  } else if (open_) {
    base = currentPath_;
  }
  if (!rest.empty() && rest.back() == '\\') rest.remove_suffix(1);
  // Every component must have a name.
  if (!rest.empty() && (rest.front() == '\\' || rest.find("\\\\") != std::string_view::npos))
    return false;
  if (base.empty()) {
    path = std::string(rest);
  } else {
    path = rest.empty() ? base : base + "\\" + std::string(rest);
  }
  return true;
}

bool Registry::OpenKey(const std::string& key, bool canCreate) {
  std::string path;
  if (!ResolvePath(key, path)) return false;
  HiveFile& hive = HiveOf(root_);
  if (canCreate) {
    if (!hive.Writable()) return false;
    if (!hive.Load().KeyExists(root_, path)) {
      const RegRoot root = root_;
      if (!hive.Update([&](RegHive& h) { h.CreateKey(root, path); })) return false;
    }
  } else if (!hive.Load().KeyExists(root_, path)) {
    return false;
  }
  open_ = true;
  currentPath_ = path;
  return true;
}

void Registry::CloseKey() {
  open_ = false;
  currentPath_.clear();
}

bool Registry::KeyExists(const std::string& key) const {
  std::string path;
  return ResolvePath(key, path) && HiveOf(root_).Load().KeyExists(root_, path);
}

std::vector<std::string> Registry::GetKeyNames() const {
  if (!open_) return {};
  return HiveOf(root_).Load().SubKeyNames(root_, currentPath_);
}

std::vector<std::string> Registry::GetValueNames() const {
  if (!open_) return {};
  return HiveOf(root_).Load().ValueNames(root_, currentPath_);
}

bool Registry::ValueExists(const std::string& name) const {
  return open_ && HiveOf(root_).Load().FindValue(root_, currentPath_, name) != nullptr;
}

const RegValue& Registry::RequireValue(const std::string& name) const {
  const RegValue* value =
      open_ ? HiveOf(root_).Load().FindValue(root_, currentPath_, name) : nullptr;
  if (!value) throw RegistryError::GetDataFailed(name);
  return *value;
}

std::string Registry::ReadString(const std::string& name) const {
  if (!ValueExists(name)) return {};
  const RegValue& value = RequireValue(name);
  if (value.type != RegSz && value.type != RegExpandSz) throw RegistryError::InvalidDataType(name);
  return value.data;
}

std::int32_t Registry::ReadInteger(const std::string& name) const {
  const RegValue& value = RequireValue(name);
  if (value.type != RegDword || value.data.size() != 4) throw RegistryError::InvalidDataType(name);
  std::uint32_t number = 0;
  for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
  return static_cast<std::int32_t>(number);
}

bool Registry::ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }

void Registry::ReadBinaryData(const std::string& name, void* buffer, std::size_t size) const {
  const RegValue& value = RequireValue(name);
  if (value.type != RegBinary || value.data.size() != size)
    throw RegistryError::InvalidDataType(name);
  value.data.copy(static_cast<char*>(buffer), size);
}

void Registry::WriteValues(const std::vector<RegValue>& values) {
  if (values.empty()) return;
  const RegRoot root = root_;
  const std::string path = currentPath_;
  const bool written = open_ && HiveOf(root).Update([&](RegHive& hive) {
    for (const RegValue& value : values) hive.SetValue(root, path, value);
  });
  if (!written) throw RegistryError::SetDataFailed(values.front().name);
}

void Registry::WriteString(const std::string& name, const std::string& value) {
  WriteValues({RegValue::String(name, value)});
}

void Registry::WriteInteger(const std::string& name, std::int32_t value) {
  WriteValues({RegValue::Dword(name, static_cast<std::uint32_t>(value))});
}

void Registry::WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

void Registry::WriteBinaryData(const std::string& name, const void* buffer, std::size_t size) {
  WriteValues({RegValue::Binary(name, buffer, size)});
}
