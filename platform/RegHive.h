#pragma once
// The text of one registry hive file in the registry export format:
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\Software\Tolvane\Quillmar\1.0]
//   "Name"="Jane Smith"
//   @="the default value"
//   "Top"=dword:00000032
//   "SocSecRate"=hex:30,f2,00,00,00,00,00,00
//
// Key paths compare without regard to case and keep the case first written.
// A line that cannot be understood (a typing slip in a hand-edited file, a
// key of another root, a deletion entry) is ignored on reading but written
// back verbatim, in its place, so that nothing in the file is lost.
//
// A file in UTF-16 (little-endian, with its byte-order mark, as the Windows
// registry editor exports) is read as well; its text values, the hex(1),
// hex(2) and hex(7) data included, are kept as UTF-8 like every other text,
// and the hive is written back in the format above.

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/RegValue.h"

enum class RegRoot { LocalMachine, CurrentUser, ClassesRoot };

// "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER" or "HKEY_CLASSES_ROOT".
const char* RegRootName(RegRoot root);

class RegHive {
 public:
  // An empty hive holding the given roots.
  explicit RegHive(std::vector<RegRoot> roots);
  RegHive(RegHive&&) = default;
  RegHive& operator=(RegHive&&) = default;

  static RegHive Parse(std::string_view text, std::vector<RegRoot> roots);
  std::string Serialize() const;

  bool Holds(RegRoot root) const;

  // Paths are relative to the root, components separated by backslashes,
  // without a leading backslash ("Software\Tolvane"); "" is the root itself.
  bool KeyExists(RegRoot root, std::string_view path) const;
  // Creates the key and every missing key above it.
  void CreateKey(RegRoot root, std::string_view path);
  // The names of the key's direct subkeys, in the order of the file.
  std::vector<std::string> SubKeyNames(RegRoot root, std::string_view path) const;
  std::vector<std::string> ValueNames(RegRoot root, std::string_view path) const;
  // The value, or nullptr when the key or the value is missing.
  const RegValue* FindValue(RegRoot root, std::string_view path, std::string_view name) const;
  // Sets the value (type and data), creating the key when needed. An
  // existing value keeps its place and the case of its name.
  void SetValue(RegRoot root, std::string_view path, const RegValue& value);

  // The number of lines that were kept verbatim because they could not be read.
  std::size_t UnreadableLineCount() const;

 private:
  // A value, or lines that were not understood and are kept as they stood.
  struct Entry {
    bool isValue = false;
    RegValue value;
    std::vector<std::string> rawLines;
  };
  struct Section {
    bool parsed = false;  // false: a header that was not understood
    RegRoot root = RegRoot::LocalMachine;
    std::string path;
    std::string rawHeader;
    std::vector<Entry> entries;
  };

  using Sections = std::vector<std::unique_ptr<Section>>;

  Section* FindSection(RegRoot root, std::string_view path);
  const Section* FindSection(RegRoot root, std::string_view path) const;
  Section& EnsureSection(RegRoot root, std::string_view path);
  // Puts the section in the file at `at`; a readable key goes into keys_
  // with the keys above it.
  Section& AddSection(Sections::iterator at, Section section);

  // A key: its section, or nullptr for a key that only its subkeys imply.
  // Each knows only its own name (in its parent's entry of children_), so
  // that a key thousands of levels deep costs memory in proportion to its
  // path, not to the square of it.
  struct KeyNode {
    Section* section = nullptr;
  };
  struct ChildKey {
    const KeyNode* parent;
    std::string upperName;
    bool operator==(const ChildKey&) const = default;
  };
  struct ChildKeyHash {
    std::size_t operator()(const ChildKey& key) const;
  };

  const KeyNode* FindNode(RegRoot root, std::string_view path) const;
  KeyNode& EnsureNode(RegRoot root, std::string_view path);

  std::vector<RegRoot> roots_;
  std::vector<Entry> preamble_;  // unreadable lines before the first key
  Sections sections_;            // in the order of the file
  // Every key there is: first one node for each RegRoot, then the keys (a
  // deque, so that the nodes stay where they are as it grows).
  std::deque<KeyNode> nodes_;
  // The subkeys of every key, by the key and the subkey's upper-case name.
  std::unordered_map<ChildKey, KeyNode*, ChildKeyHash> children_;
};
