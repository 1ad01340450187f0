#pragma once
// The printer as the printing code sees it, in device units (pixels of the
// printer's printable area, origin at its top-left corner). The program prints
// through a QPrinter backend; tests through the recording device.
//
// Texts are in the records' single-byte code page (Windows-1252), like every
// other text of the core; a backend converts them for its output.

#include <cstdint>
#include <string>

// Character sets of a font, as the font dialog and the forms name them.
inline constexpr int kAnsiCharset = 0;
inline constexpr int kDefaultCharset = 1;

// Font style bits.
enum FontStyle : unsigned {
  FontBold = 1u << 0,
  FontItalic = 1u << 1,
  FontUnderline = 1u << 2,
  FontStrikeOut = 1u << 3,
};

struct PrinterFont {
  std::string name = "MS Sans Serif";
  // Points. A negative size is the character-cell height (ascent + descent)
  // in points instead of the character height.
  int size = 8;
  unsigned style = 0;              // FontStyle bits
  std::uint32_t color = 0x000000;  // 0xRRGGBB
  int charset = kDefaultCharset;

  bool operator==(const PrinterFont&) const = default;
};

// What the printer reports about itself (GetDeviceCaps).
struct PrinterCaps {
  int logPixelsX = 0;  // LOGPIXELSX: pixels per inch across
  int logPixelsY = 0;  // LOGPIXELSY: pixels per inch down
  int pageWidth = 0;   // the printable area, in pixels
  int pageHeight = 0;
  int physicalWidth = 0;    // PHYSICALWIDTH: the whole sheet, in pixels
  int physicalHeight = 0;   // PHYSICALHEIGHT
  int physicalOffsetX = 0;  // PHYSICALOFFSETX: the sheet's left edge to the printable area
  int physicalOffsetY = 0;  // PHYSICALOFFSETY: the sheet's top edge to the printable area

  bool operator==(const PrinterCaps&) const = default;
};

class IPrinterDevice {
 public:
  virtual ~IPrinterDevice() = default;

  virtual PrinterCaps Caps() const = 0;

  // Starts a print job named `title` on its first page. False when the printer
  // cannot start it; the device has then told the user why, and no job runs.
  virtual bool BeginDoc(const std::string& title) = 0;
  // Ends the job: the document goes to the printer (or its file). A failure
  // is told to the user by the device.
  virtual void EndDoc() = 0;
  // Ends the current page and starts the next.
  virtual void NewPage() = 0;
  // The page being printed: 1 on the first page of a job.
  virtual int PageNumber() const = 0;
  virtual bool Printing() const = 0;

  // The font of every text drawn and measured from now on.
  virtual PrinterFont Font() const = 0;
  virtual void SetFont(const PrinterFont& font) = 0;

  // Draws the text with its cell's top-left corner at (x, y).
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // The width of the text in the current font.
  virtual int TextWidth(const std::string& text) = 0;
  // GetTextExtentExPoint: how many leading characters of the text fit into
  // `maxExtent` pixels. False when the device cannot tell.
  virtual bool FitCount(const std::string& text, int maxExtent, int& fit) = 0;

  // A line from (x1, y1) to (x2, y2) and a rectangle's outline, in black.
  virtual void DrawLine(int x1, int y1, int x2, int y2, int penWidth) = 0;
  virtual void DrawRectangle(int left, int top, int right, int bottom, int penWidth) = 0;
};
