#pragma once
// Mailing labels: one address label for every non-void employee, in name
// order, two across on sheets of labels of one of four sizes, from any label
// of a partly used first sheet.

#include <optional>
#include <string>

#include "data/W2Record.h"
#include "forms/LabelLayout.h"
#include "platform/PrintDialogs.h"
#include "platform/Progress.h"
#include "print/PrintReport.h"

class TQuillmarFormFile;
class TQuillmarRegistry;

// The label the run starts at on its first sheet: row and column from 1.
struct LabelStart {
  int row = 1;
  int column = 1;
};

// What the label dialog asks: the label size (index into kLabelStyles) and
// the first label.
struct LabelChoice {
  int style = 0;
  LabelStart start;
};

// The label-size dialog: the choice, or none when the user cancels or clicks
// OK with no size chosen.
class ILabelStyleDialog {
 public:
  virtual ~ILabelStyleDialog() = default;
  virtual std::optional<LabelChoice> Execute() = 0;
};

// Where the next label goes on the sheet.
struct LabelCursor {
  int count = 0;  // labels already on the current sheet (used or printed)
  int column = kLabelLeftColumn;
  int line = 0;  // the name line of the current label row
};

// The room for a label line from where its text starts to the label's right
// edge, in hundredths of an inch: the text starts a tenth of an inch inside a
// 4-inch label and keeps a tenth clear of its right edge.
inline constexpr int kLabelTextWidth = 380;

// The printer registry item that keeps the label run's last font.
inline constexpr const char* kLabelFontItem = "LabelFont";

// Whether a font's line fits the label's line pitch of 1/6 inch (12 points):
// a cell height (negative size) of at most 12 points, or a character height
// whose line (9/8 of it, rounded) is at most 12 points.
bool LabelFontFits(const PrinterFont& font);

class LabelPrinter {
 public:
  // The first label at `start`, which is brought within the sheet.
  LabelPrinter(TPrintReport& report, const LabelStyle& style, LabelStart start = {});
  // Prints the label at the cursor (on a new sheet when this one is full)
  // and moves the cursor on. Each line is cut at the label's right edge.
  void PrintOneLabel(const W2Record& w2);
  const LabelCursor& Cursor() const { return cursor_; }

 private:
  void PrintLine(int line, const std::string& text);

  TPrintReport& report_;
  const LabelStyle& style_;
  LabelCursor cursor_;
  int textWidth_ = 0;
};

// The label job on style `styleIndex` (0 to 3) from label `start`: the
// printer dialog, then the font dialog (opened on its own last font) until
// the user picks a font that fits a label line or cancels, then the labels,
// or their preview. Cancel in either dialog prints nothing.
void PrintEmployeeLabels(TQuillmarFormFile& file, IPrinterDevice& printer,
                         IPrinterSetupDialog& printerSetup, FontDialog& font, int styleIndex,
                         LabelStart start = {}, IPrintPreview* preview = nullptr,
                         IProgress* progress = nullptr);

// The label-size dialog, then the label job when a size was chosen. The font
// dialog opens on the labels' last font from `registry` (the first time
// FirstPrintFont()), and a font chosen is kept there.
void PrintMailingLabels(TQuillmarFormFile& file, IPrinterDevice& printer,
                        ILabelStyleDialog& styleDialog, IPrinterSetupDialog& printerSetup,
                        FontDialog& font, TQuillmarRegistry& registry,
                        IPrintPreview* preview = nullptr, IProgress* progress = nullptr);
