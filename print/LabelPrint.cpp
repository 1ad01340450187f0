#include "print/LabelPrint.h"

#include "data/BlankW2.h"
#include "data/NameOrder.h"
#include "data/QuillmarFormFile.h"
#include "forms/W2FormPicture.h"
#include "platform/MessageBoxes.h"
#include "print/W2Print.h"

LabelPrinter::LabelPrinter(TPrintReport& report, const LabelStyle& style)
    : report_(report), style_(style) {
  cursor_.line = style_.firstLine;
}

void LabelPrinter::PrintOneLabel(const W2Record& w2) {
  if (++cursor_.count > style_.labelsPerSheet) {
    report_.StartNewPage();
    cursor_ = {1, kLabelLeftColumn, style_.firstLine};
  }
  const int c = cursor_.column, l = cursor_.line;
  report_.PrintTextAt(c, l, EmployeeFirstNameAndInitial(w2) + " " + W2Text(W2Field::LastName, w2));
  report_.PrintTextAt(c, l + 1, EmployeeSuiteAndStreet(w2));
  report_.PrintTextAt(c, l + 2, W2Text(W2Field::City, w2));
  const AddressTail tail = EmployeeAddressTail(w2, 35);
  report_.PrintTextAt(c, l + 3, tail.stateLine);
  report_.PrintTextAt(c, l + 4, tail.countryLine);

  if (cursor_.count % 2 == 1) {
    cursor_.column = kLabelRightColumn;
  } else {
    cursor_.column = kLabelLeftColumn;
    cursor_.line += style_.rowStep;
  }
}

void PrintEmployeeLabels(TQuillmarFormFile& file, IPrinterDevice& printer,
                         IPrinterSetupDialog& printerSetup, FontDialog& font, int styleIndex) {
  if (styleIndex < 0 || styleIndex >= static_cast<int>(kLabelStyles.size())) return;
  const LabelStyle& style = kLabelStyles[static_cast<std::size_t>(styleIndex)];
  TPrintReport report(printer, &printerSetup, &font, "W-2 Mailing Labels", style.topBottomMargin,
                      style.topBottomMargin, kLabelSideMargin, kLabelSideMargin, true, false,
                      false);
  if (report.Cancelled()) return;
  LabelPrinter labels(report, style);
  ForEachInNameOrder(
      file,
      [&](const W2Record& w2) {
        if (IsCountedW2(w2)) labels.PrintOneLabel(w2);
      },
      [](const std::string& key, std::int64_t offset) {
        ShowRecordReadError(key, offset, "W-2 label", "No label");
      });
}

void PrintMailingLabels(TQuillmarFormFile& file, IPrinterDevice& printer,
                        ILabelStyleDialog& styleDialog, IPrinterSetupDialog& printerSetup,
                        FontDialog& font) {
  if (const std::optional<int> style = styleDialog.Execute()) {
    PrintEmployeeLabels(file, printer, printerSetup, font, *style);
  }
}
