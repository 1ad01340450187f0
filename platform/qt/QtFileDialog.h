#pragma once
// The file-open dialog of the program: a QFileDialog that also accepts the
// name of a file that does not exist yet.

#include "platform/FileDialog.h"

class QWidget;

class QtFileDialog final : public IFileDialog {
 public:
  explicit QtFileDialog(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> Execute(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};
