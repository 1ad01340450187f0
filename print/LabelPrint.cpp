#include "print/LabelPrint.h"

#include <algorithm>
#include <cstdlib>

#include "data/BlankW2.h"
#include "data/NameOrder.h"
#include "data/QuillmarFormFile.h"
#include "forms/W2FormPicture.h"
#include "platform/MessageBoxes.h"
#include "platform/MulDiv.h"
#include "print/W2Print.h"
#include "settings/QuillmarRegistry.h"

bool LabelFontFits(const PrinterFont& font) {
  const int line = font.size < 0 ? -font.size : MulDiv(font.size, 9, 8);
  return line <= 12;
}

LabelPrinter::LabelPrinter(TPrintReport& report, const LabelStyle& style, LabelStart start)
    : report_(report), style_(style) {
  const int rows = style_.labelsPerSheet / 2;
  const int row = std::clamp(start.row, 1, rows);
  const int column = std::clamp(start.column, 1, 2);
  cursor_.count = (row - 1) * 2 + (column - 1);
  cursor_.column = column == 1 ? kLabelLeftColumn : kLabelRightColumn;
  cursor_.line = style_.firstLine + (row - 1) * style_.rowStep;
  textWidth_ = MulDiv(kLabelTextWidth, report_.DpiX(), 100);
}

void LabelPrinter::PrintLine(int line, const std::string& text) {
  report_.PrintTextAt(cursor_.column, line, CutToWidth(report_.Printer(), text, textWidth_));
}

void LabelPrinter::PrintOneLabel(const W2Record& w2) {
  if (++cursor_.count > style_.labelsPerSheet) {
    report_.StartNewPage();
    cursor_ = {1, kLabelLeftColumn, style_.firstLine};
  }
  const int l = cursor_.line;
  PrintLine(l, EmployeeFirstNameAndInitial(w2) + " " + W2Text(W2Field::LastName, w2));
  PrintLine(l + 1, EmployeeSuiteAndStreet(w2));
  PrintLine(l + 2, W2Text(W2Field::City, w2));
  const AddressTail tail = EmployeeAddressTail(w2, 35);
  PrintLine(l + 3, tail.stateLine);
  PrintLine(l + 4, tail.countryLine);

  if (cursor_.count % 2 == 1) {
    cursor_.column = kLabelRightColumn;
  } else {
    cursor_.column = kLabelLeftColumn;
    cursor_.line += style_.rowStep;
  }
}

namespace {

// The font dialog until the user picks a font that fits a label line (true)
// or cancels (false).
bool ChooseLabelFont(IPrinterDevice& printer, FontDialog& font) {
  font.Options = {.printerFonts = true, .ansiOnly = true, .effects = true, .forceFontExist = true};
  font.SetFont(ReplaceDefaultFont(font.Font()));
  while (font.Execute(printer)) {
    if (LabelFontFits(font.Font())) return true;
    ShowMessage("The font \"" + font.Font().name + "\" at " +
                    std::to_string(std::abs(font.Font().size)) +
                    " points is taller than a label line of 1/6 inch. Choose a font of at most "
                    "12 points (10 points for most fonts).",
                MsgIcon::Warning);
  }
  return false;
}

}  // namespace

void PrintEmployeeLabels(TQuillmarFormFile& file, IPrinterDevice& printer,
                         IPrinterSetupDialog& printerSetup, FontDialog& font, int styleIndex,
                         LabelStart start, IPrintPreview* preview, IProgress* progress) {
  if (styleIndex < 0 || styleIndex >= static_cast<int>(kLabelStyles.size())) return;
  const LabelStyle& style = kLabelStyles[static_cast<std::size_t>(styleIndex)];
  if (!printerSetup.Execute(printer)) return;
  if (!ChooseLabelFont(printer, font)) return;
  printer.SetFont(font.Font());
  PrintOrPreview(preview, printer, [&] {
    TPrintReport report(printer, nullptr, nullptr, "W-2 Mailing Labels", style.topBottomMargin,
                        style.topBottomMargin, kLabelSideMargin, kLabelSideMargin, true, true,
                        true);
    if (report.Cancelled()) return;
    LabelPrinter labels(report, style, start);
    ProgressRun run(progress, "Printing the mailing labels...",
                    static_cast<int>(file.NameIndex().Entries().size()));
    ForEachInNameOrder(
        file,
        [&](const W2Record& w2) {
          if (!run.Cancelled() && run.Step() && IsCountedW2(w2)) labels.PrintOneLabel(w2);
        },
        [](const std::string& key, std::int64_t offset) {
          ShowRecordReadError(key, offset, "W-2 label", "No label");
        });
  });
}

void PrintMailingLabels(TQuillmarFormFile& file, IPrinterDevice& printer,
                        ILabelStyleDialog& styleDialog, IPrinterSetupDialog& printerSetup,
                        FontDialog& font, TQuillmarRegistry& registry, IPrintPreview* preview,
                        IProgress* progress) {
  const std::optional<LabelChoice> choice = styleDialog.Execute();
  if (!choice) return;
  const PrinterFont last = registry.ReadPrintFont(kLabelFontItem).value_or(FirstPrintFont());
  font.SetFont(last);
  PrintEmployeeLabels(file, printer, printerSetup, font, choice->style, choice->start, preview,
                      progress);
  // A font refused for its size is not kept.
  if (!(font.Font() == last) && LabelFontFits(font.Font()))
    registry.WritePrintFont(kLabelFontItem, font.Font());
}
