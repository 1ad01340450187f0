#pragma once
// The dialogs of setup's resources, behind one interface so that tests can
// script them: the two list dialogs, the group choice and the two wait boxes.

#include <cstddef>
#include <string>
#include <vector>

// Control identifiers of the dialog templates.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdList = 101;
inline constexpr int kIdChgDrive = 102;

// The selected line is handed back in a buffer of this many characters.
inline constexpr std::size_t kSelectionCapacity = 259;

// What a list dialog returns: the button that closed it and, for OK, the
// selected line (cut to kSelectionCapacity) and its position in the list, by
// which the caller finds the full entry however long it is.
struct ListChoice {
  int button = kIdCancel;
  std::string line;
  std::size_t index = 0;
};

enum class WaitBox { Scanning, Installing };

class ISetupDialogs {
 public:
  virtual ~ISetupDialogs() = default;
  // DLG_SELDRIVE, modal; the first entry is selected on opening.
  virtual ListChoice SelectDrive(const std::vector<std::string>& entries) = 0;
  // DLG_MULTICOPIES, modal; OK, ChgDrive or Cancel.
  virtual ListChoice SelectCopy(const std::vector<std::string>& entries) = 0;
  // DLG_SELECTGROUP: `groups` in list order with `selected` chosen on
  // opening; returns the group chosen when it closes.
  virtual std::string SelectGroup(const std::vector<std::string>& groups, std::size_t selected) = 0;
  // DLG_SCANNING and DLG_INSTALLING, modeless, until CloseWait.
  virtual void ShowWait(WaitBox box) = 0;
  virtual void CloseWait() = 0;
};
