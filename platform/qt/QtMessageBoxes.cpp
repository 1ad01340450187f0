#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt/QtRecordText.h"

namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::Warning:
      return QMessageBox::Warning;
    case MsgIcon::Error:
      return QMessageBox::Critical;
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QString MessageText(const std::string& text) {
  // The texts use carriage returns for line breaks, as the records do.
  QString shown = FromRecordText(text);
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

}  // namespace

MsgButton QtMessageBoxes::Show(const MessageBoxRequest& request) {
  QMessageBox box(ToQtIcon(request.icon), MessageText(request.caption), MessageText(request.text),
                  QMessageBox::NoButton, QApplication::activeWindow());
  struct Pair {
    MsgButton ours;
    QMessageBox::StandardButton qt;
  };
  const Pair pairs[] = {{MsgYes, QMessageBox::Yes},
                        {MsgNo, QMessageBox::No},
                        {MsgOk, QMessageBox::Ok},
                        {MsgCancel, QMessageBox::Cancel}};
  for (const Pair& p : pairs) {
    if (request.buttons & p.ours) box.addButton(p.qt);
  }
  box.setWindowModality(request.taskModal ? Qt::ApplicationModal : Qt::WindowModal);
  const int pressed = box.exec();
  for (const Pair& p : pairs) {
    if (pressed == p.qt) return p.ours;
  }
  // Closed with Escape or the close box: the box's "no" answer.
  if (request.buttons & MsgCancel) return MsgCancel;
  if (request.buttons & MsgNo) return MsgNo;
  return MsgOk;
}
