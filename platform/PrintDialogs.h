#pragma once
// The printer set-up and font dialogs. The program shows QPrintDialog and
// QFontDialog; tests script the answers.

#include <functional>

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

// The print preview: the pages of a print job shown on screen before any
// paper is spent; from there the user prints them or closes the preview. The
// program shows Qt's preview window; tests run the job on the device.
class IPrintPreview {
 public:
  virtual ~IPrintPreview() = default;
  // Whether the user wants to see each print job before it is printed.
  bool enabled = false;
  // Shows the pages that `job` prints on `printer`. The job may run more
  // than once (once for the screen, again when the user prints).
  virtual void Show(IPrinterDevice& printer, const std::function<void()>& job) = 0;
};

// Runs `job` on the printer, or in the preview when there is one and it is enabled.
inline void PrintOrPreview(IPrintPreview* preview, IPrinterDevice& printer,
                           const std::function<void()>& job) {
  if (preview && preview->enabled) {
    preview->Show(printer, job);
  } else {
    job();
  }
}
