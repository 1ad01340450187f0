#include "platform/RecordingPrinter.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "platform/MulDiv.h"

PrinterCaps RecordingPrinter::LetterCaps(int dpi, int borderX, int borderY) {
  PrinterCaps caps;
  caps.logPixelsX = dpi;
  caps.logPixelsY = dpi;
  caps.physicalWidth = dpi * 17 / 2;
  caps.physicalHeight = dpi * 11;
  caps.physicalOffsetX = borderX;
  caps.physicalOffsetY = borderY;
  caps.pageWidth = caps.physicalWidth - 2 * borderX;
  caps.pageHeight = caps.physicalHeight - 2 * borderY;
  return caps;
}

bool RecordingPrinter::BeginDoc(const std::string& title) {
  if (printing_) throw std::logic_error("BeginDoc while a print job is running");
  if (beginFails) return false;
  documents_.push_back({title, {RecordedPage{}}, false});
  printing_ = true;
  return true;
}

void RecordingPrinter::EndDoc() {
  CurrentPage();
  documents_.back().ended = true;
  printing_ = false;
}

void RecordingPrinter::NewPage() {
  CurrentPage();
  documents_.back().pages.emplace_back();
}

int RecordingPrinter::PageNumber() const {
  return printing_ ? static_cast<int>(documents_.back().pages.size()) : 0;
}

RecordedPage& RecordingPrinter::CurrentPage() {
  if (!printing_) throw std::logic_error("printing outside a print job");
  return documents_.back().pages.back();
}

void RecordingPrinter::TextOut(int x, int y, const std::string& text) {
  CurrentPage().texts.push_back({x, y, text, font_});
}

int RecordingPrinter::CharWidth() const {
  if (charWidth > 0) return charWidth;
  return std::max(1, MulDiv(std::abs(font_.size), caps_.logPixelsX, 120));
}

int RecordingPrinter::TextWidth(const std::string& text) {
  return static_cast<int>(text.size()) * CharWidth();
}

bool RecordingPrinter::FitCount(const std::string& text, int maxExtent, int& fit) {
  if (fitCountFails) return false;
  const int fitting = std::max(0, maxExtent) / CharWidth();
  fit = std::min(fitting, static_cast<int>(text.size()));
  return true;
}

void RecordingPrinter::DrawLine(int x1, int y1, int x2, int y2, int penWidth) {
  CurrentPage().lines.push_back({x1, y1, x2, y2, penWidth});
}

void RecordingPrinter::DrawRectangle(int left, int top, int right, int bottom, int penWidth) {
  CurrentPage().rectangles.push_back({left, top, right, bottom, penWidth});
}

const std::vector<RecordedPage>& RecordingPrinter::Pages() const {
  static const std::vector<RecordedPage> none;
  return documents_.empty() ? none : documents_.back().pages;
}

std::vector<std::string> RecordingPrinter::Texts() const {
  std::vector<std::string> texts;
  for (const RecordedPage& page : Pages()) {
    for (const RecordedText& t : page.texts) texts.push_back(t.text);
  }
  return texts;
}
