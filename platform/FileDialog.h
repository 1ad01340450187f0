#pragma once
// The file dialog as the main window uses it, for opening and for saving. The program shows a
// QFileDialog; tests script the chosen name.

#include <optional>
#include <string>
#include <vector>

struct FileDialogFilter {
  std::string name;     // "W2 Files"
  std::string pattern;  // "*.qmr"
};

struct FileDialogRequest {
  std::string title;
  std::string initialDir;  // empty: the dialog's own choice
  std::vector<FileDialogFilter> filters;
  int filterIndex = 0;      // the filter selected when the dialog opens
  std::string initialFile;  // the file name the dialog proposes; empty: none
  bool save = false;        // a dialog that saves: it asks before replacing a file
};

class IFileDialog {
 public:
  virtual ~IFileDialog() = default;
  // The chosen path (it need not exist: typing a new name is how a new file
  // is made), or nothing when the user cancels.
  virtual std::optional<std::string> Execute(const FileDialogRequest& request) = 0;
};
