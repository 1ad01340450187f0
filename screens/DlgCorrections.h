#pragma once
// Edit, Corrections...: every employee whose W-2 differs from what was filed,
// box by box (previously reported, correct information), the W-2s added or
// voided since, and the correction each one calls for.

#include <QDialog>

#include "efw2/Efw2Export.h"
#include "print/PlainPaperW2c.h"
#include "rules/Corrections.h"

class QLabel;
class QPushButton;
class QTreeWidget;

class TDlgCorrections final : public QDialog {
  Q_OBJECT

 public:
  // `employerNote`: what to say about a changed EIN or tax year (empty: nothing).
  TDlgCorrections(const FiledCopy& filed, const std::vector<EmployeeCorrection>& corrections,
                  const std::string& employerNote, QWidget* parent = nullptr);

  QLabel* LabelFiled = nullptr;
  QTreeWidget* TreeCorrections = nullptr;
  QPushButton* BitBtnClose = nullptr;
};

// The choices of Print, W-2c and W-3c (plain paper): the dialog of the W-2
// employee copies, with the W-2c's texts.
class QtW2cPrintDialog final : public IPlainPaperDialog {
 public:
  explicit QtW2cPrintDialog(QWidget* parent) : parent_(parent) {}
  bool Execute(PlainPaperChoice& choice) override;

 private:
  QWidget* parent_;
};

// The submitter data of the correction file: the wage file's dialog under the
// correction file's title.
class QtEfw2cSubmitterDialog final : public IEfw2SubmitterDialog {
 public:
  explicit QtEfw2cSubmitterDialog(QWidget* parent) : parent_(parent) {}
  bool Execute(Efw2Submitter& submitter, bool kindFromW3) override;

 private:
  QWidget* parent_;
};
