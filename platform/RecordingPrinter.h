#pragma once
// A printer device that prints nothing and keeps everything: every page's
// texts, lines and rectangles with their device positions and fonts. Its
// capabilities are whatever the test sets; its font is fixed-pitch.

#include <string>
#include <vector>

#include "platform/PrinterDevice.h"

struct RecordedText {
  int x = 0;
  int y = 0;
  std::string text;
  PrinterFont font;
};

struct RecordedLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int penWidth = 0;
};

struct RecordedRectangle {
  int left = 0, top = 0, right = 0, bottom = 0;
  int penWidth = 0;
};

struct RecordedPage {
  std::vector<RecordedText> texts;
  std::vector<RecordedLine> lines;
  std::vector<RecordedRectangle> rectangles;
};

struct RecordedDocument {
  std::string title;
  std::vector<RecordedPage> pages;
  bool ended = false;
};

class RecordingPrinter final : public IPrinterDevice {
 public:
  // A Letter sheet at 600 dpi with a quarter-inch unprintable border.
  static PrinterCaps LetterCaps(int dpi = 600, int borderX = 150, int borderY = 150);

  explicit RecordingPrinter(const PrinterCaps& caps = LetterCaps()) : caps_(caps) {}

  // Every character is this many pixels wide; 0 (the default) takes six
  // tenths of the font's size, the pitch of Courier: a 12-point character is
  // a tenth of an inch.
  int charWidth = 0;
  // The fit count fails, as GetTextExtentExPoint may on some printers.
  bool fitCountFails = false;
  // BeginDoc refuses to start a job.
  bool beginFails = false;

  void SetCaps(const PrinterCaps& caps) { caps_ = caps; }
  PrinterCaps Caps() const override { return caps_; }

  bool BeginDoc(const std::string& title) override;
  void EndDoc() override;
  void NewPage() override;
  int PageNumber() const override;
  bool Printing() const override { return printing_; }

  PrinterFont Font() const override { return font_; }
  void SetFont(const PrinterFont& font) override { font_ = font; }

  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override;
  bool FitCount(const std::string& text, int maxExtent, int& fit) override;

  void DrawLine(int x1, int y1, int x2, int y2, int penWidth) override;
  void DrawRectangle(int left, int top, int right, int bottom, int penWidth) override;

  // Every job started, in order.
  const std::vector<RecordedDocument>& Documents() const { return documents_; }
  // The pages of the last job; empty when none was started.
  const std::vector<RecordedPage>& Pages() const;
  // The texts of every page of the last job, in order.
  std::vector<std::string> Texts() const;

 private:
  int CharWidth() const;
  RecordedPage& CurrentPage();

  PrinterCaps caps_;
  PrinterFont font_;
  bool printing_ = false;
  std::vector<RecordedDocument> documents_;
};
