#include "platform/qt/QtFileDialog.h"

#include <QFileDialog>
#include <QStringList>

std::optional<std::string> QtFileDialog::Execute(const FileDialogRequest& request) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title),
                     QString::fromStdString(request.initialDir));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!request.initialFile.empty()) dialog.selectFile(QString::fromStdString(request.initialFile));
  QStringList filters;
  for (const FileDialogFilter& f : request.filters) {
    // "*.*" means every file; on this platform that is "*".
    const std::string pattern = f.pattern == "*.*" ? "*" : f.pattern;
    filters << QString::fromStdString(f.name + " (" + pattern + ")");
  }
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 0 && request.filterIndex < filters.size()) {
    dialog.selectNameFilter(filters.at(request.filterIndex));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}
