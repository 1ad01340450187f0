#pragma once
// The progress of a long run as the program shows it: a QProgressDialog with
// Cancel, modal to its window, that appears only when the run looks like
// taking more than about a second.

#include <QPointer>
#include <QProgressDialog>
#include <memory>

#include "platform/Progress.h"

class QWidget;

class QtProgress final : public IProgress {
 public:
  // How long a run may take before the dialog shows, in milliseconds.
  static constexpr int kShowAfterMs = 1000;

  explicit QtProgress(QWidget* parent = nullptr) : parent_(parent) {}

  void Start(const std::string& label, int total) override;
  bool Step(int done) override;
  void Finish() override;

  // The dialog of the run under way; null between runs.
  QProgressDialog* Dialog() const { return dialog_.get(); }

 private:
  QWidget* parent_;
  std::unique_ptr<QProgressDialog> dialog_;
};
