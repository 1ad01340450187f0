#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
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

// A QMessageBox takes a lone No button for its Escape button. A question
// without Cancel ignores Escape and the close box instead, so that only a
// button answers it.
class AnswerBox final : public QMessageBox {
 public:
  AnswerBox(Icon icon, const QString& caption, const QString& text, bool dismissable,
            QWidget* parent)
      : QMessageBox(icon, caption, text, NoButton, parent), dismissable_(dismissable) {}

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (!dismissable_ && e->matches(QKeySequence::Cancel)) {
      e->accept();
      return;
    }
    QMessageBox::keyPressEvent(e);
  }
  void closeEvent(QCloseEvent* e) override {
    if (!dismissable_) {
      e->ignore();
      return;
    }
    QMessageBox::closeEvent(e);
  }

 private:
  bool dismissable_;
};

}  // namespace

MsgButton QtMessageBoxes::Show(const MessageBoxRequest& request) {
  // A Yes/No question needs its answer; anything else may be dismissed.
  const bool dismissable = (request.buttons & MsgCancel) != 0 || (request.buttons & MsgYes) == 0 ||
                           (request.buttons & MsgNo) == 0;
  QWidget* parent = QApplication::activeWindow();
  if (!parent) parent = mainWindow_.data();
  AnswerBox box(ToQtIcon(request.icon), MessageText(request.caption), MessageText(request.text),
                dismissable, parent);
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
  // Window-modal would block only the parent's windows (and nothing at all
  // without a parent): every box blocks the whole program.
  box.setWindowModality(Qt::ApplicationModal);
  const int pressed = box.exec();
  for (const Pair& p : pairs) {
    if (pressed == p.qt) return p.ours;
  }
  // Closed with Escape or the close box (a box that may be dismissed): its "no" answer.
  if (request.buttons & MsgCancel) return MsgCancel;
  if (request.buttons & MsgNo) return MsgNo;
  return MsgOk;
}
