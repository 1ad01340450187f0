#include "setup/QtSetupBoxes.h"

#include <QMessageBox>

BoxAnswer QtSetupBoxes::Show(const BoxRequest& request) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (request.icon) {
    case BoxIcon::Information:
      icon = QMessageBox::Information;
      break;
    case BoxIcon::Warning:
      icon = QMessageBox::Warning;
      break;
    case BoxIcon::Error:
      icon = QMessageBox::Critical;
      break;
    case BoxIcon::None:
      break;
  }
  QMessageBox box(icon, QString::fromStdString(request.caption),
                  QString::fromStdString(request.text), QMessageBox::Ok,
                  request.taskModal ? nullptr : owner_.data());
  if (request.buttons == BoxButtons::OkCancel) {
    box.addButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
  }
  box.setWindowModality(request.taskModal ? Qt::ApplicationModal : Qt::WindowModal);
  return box.exec() == QMessageBox::Cancel ? BoxAnswer::Cancel : BoxAnswer::Ok;
}
