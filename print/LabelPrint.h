#pragma once
// Mailing labels: one address label for every non-void employee, in name
// order, two across on sheets of labels of one of four sizes.

#include <optional>

#include "data/W2Record.h"
#include "forms/LabelLayout.h"
#include "platform/PrintDialogs.h"
#include "print/PrintReport.h"

class TQuillmarFormFile;

// The label-size dialog: the index of the chosen size, or none when the user
// cancels or clicks OK with no size chosen.
class ILabelStyleDialog {
 public:
  virtual ~ILabelStyleDialog() = default;
  virtual std::optional<int> Execute() = 0;
};

// Where the next label goes on the sheet.
struct LabelCursor {
  int count = 0;  // labels already on the current sheet
  int column = kLabelLeftColumn;
  int line = 0;  // the name line of the current label row
};

class LabelPrinter {
 public:
  LabelPrinter(TPrintReport& report, const LabelStyle& style);
  // Prints the label at the cursor (on a new sheet when this one is full)
  // and moves the cursor on.
  void PrintOneLabel(const W2Record& w2);
  const LabelCursor& Cursor() const { return cursor_; }

 private:
  TPrintReport& report_;
  const LabelStyle& style_;
  LabelCursor cursor_;
};

// The label job on style `styleIndex` (0 to 3): the printer and font
// dialogs, then the labels. Cancel in either dialog prints nothing.
void PrintEmployeeLabels(TQuillmarFormFile& file, IPrinterDevice& printer,
                         IPrinterSetupDialog& printerSetup, FontDialog& font, int styleIndex);

// The label-size dialog, then the label job when a size was chosen.
void PrintMailingLabels(TQuillmarFormFile& file, IPrinterDevice& printer,
                        ILabelStyleDialog& styleDialog, IPrinterSetupDialog& printerSetup,
                        FontDialog& font);
