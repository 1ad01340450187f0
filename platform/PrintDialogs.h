#pragma once
// The printer set-up and font dialogs. The program shows QPrintDialog and
// QFontDialog; tests script the answers.

#include "platform/PrinterDevice.h"

class IPrinterSetupDialog {
 public:
  virtual ~IPrinterSetupDialog() = default;
  // Lets the user choose the printer (or a PDF file) of `printer` and its
  // paper. False when the user cancels; the printer is then unchanged.
  virtual bool Execute(IPrinterDevice& printer) = 0;
};

struct FontDialogOptions {
  bool printerFonts = false;    // offer the fonts of the printer
  bool ansiOnly = false;        // only fonts of the ANSI character set
  bool effects = true;          // offer underline, strike-out and colour
  bool forceFontExist = false;  // the chosen font must exist
};

// The font dialog keeps its font between showings: it opens on Font(), and
// after OK Font() is the font the user chose.
class FontDialog {
 public:
  virtual ~FontDialog() = default;

  const PrinterFont& Font() const { return font_; }
  void SetFont(const PrinterFont& font) { font_ = font; }
  FontDialogOptions Options;

  // Shows the dialog for fonts of `printer`. True on OK.
  virtual bool Execute(IPrinterDevice& printer) = 0;

 protected:
  PrinterFont font_;
};
