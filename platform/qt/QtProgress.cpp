#include "platform/qt/QtProgress.h"

#include <QApplication>

void QtProgress::Start(const std::string& label, int total) {
  QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
  dialog_ = std::make_unique<QProgressDialog>(QString::fromStdString(label),
                                              QStringLiteral("Cancel"), 0, total, parent);
  dialog_->setWindowTitle(QStringLiteral("Quillmar"));
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setMinimumDuration(kShowAfterMs);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setValue(0);
}

bool QtProgress::Step(int done) {
  if (!dialog_) return true;
  // A modal progress dialog handles the window's events (Cancel among them) here.
  dialog_->setValue(done);
  return !dialog_->wasCanceled();
}

void QtProgress::Finish() { dialog_.reset(); }
