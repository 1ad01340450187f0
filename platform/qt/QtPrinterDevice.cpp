#include "platform/qt/QtPrinterDevice.h"

#include <QDir>
#include <QFontInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/MessageBoxes.h"
#include "platform/MulDiv.h"
#include "platform/qt/QtRecordText.h"

QFont ToQFont(const PrinterFont& font, int dpiY) {
  QFont q(QString::fromStdString(font.name));
  const int pixels = std::max(1, MulDiv(std::abs(font.size), dpiY, 72));
  q.setPixelSize(pixels);
  if (font.size < 0) {
    // The cell (ascent + descent) is to be `pixels` high: scale the character
    // height by how much taller the cell of this font is.
    const double cell = QFontMetricsF(q).height();
    if (cell > 0)
      q.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * pixels / cell))));
  }
  q.setBold(font.style & FontBold);
  q.setItalic(font.style & FontItalic);
  q.setUnderline(font.style & FontUnderline);
  q.setStrikeOut(font.style & FontStrikeOut);
  return q;
}

QtPrinterDevice::QtPrinterDevice()
    : QtPrinterDevice(!QPrinterInfo::availablePrinters().isEmpty()) {}

QtPrinterDevice::QtPrinterDevice(bool printersInstalled) {
  // The forms and label sheets are Letter: every job starts on it whatever the
  // locale, and a size the user picks in the printer dialog stays on this
  // printer until the program closes.
  printer_.setPageSize(QPageSize(QPageSize::Letter));
  printer_.setFullPage(false);
  if (!printersInstalled) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(DefaultPdfFile());
  }
}

QtPrinterDevice::~QtPrinterDevice() {
  if (painter_ && painter_->isActive()) painter_->end();
}

QString QtPrinterDevice::DefaultPdfFile() {
  return QDir::homePath() + QStringLiteral("/Quillmar.pdf");
}

void QtPrinterDevice::SetPdfOutput(const QString& path, int dpi, const QMarginsF& margins) {
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setOutputFileName(path);
  printer_.setResolution(dpi);
  printer_.setFullPage(false);
  printer_.setPageMargins(margins, QPageLayout::Point);
  metrics_.reset();
  advances_.reset();
  measured_.clear();
}

PrinterCaps QtPrinterDevice::Caps() const {
  const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
  const QRectF page = printer_.pageRect(QPrinter::DevicePixel);
  PrinterCaps caps;
  caps.logPixelsX = printer_.logicalDpiX();
  caps.logPixelsY = printer_.logicalDpiY();
  caps.physicalWidth = static_cast<int>(std::lround(paper.width()));
  caps.physicalHeight = static_cast<int>(std::lround(paper.height()));
  caps.physicalOffsetX = static_cast<int>(std::lround(page.left() - paper.left()));
  caps.physicalOffsetY = static_cast<int>(std::lround(page.top() - paper.top()));
  caps.pageWidth = static_cast<int>(std::lround(page.width()));
  caps.pageHeight = static_cast<int>(std::lround(page.height()));
  return caps;
}

QString QtPrinterDevice::Destination() const {
  if (printer_.outputFormat() == QPrinter::PdfFormat) return printer_.outputFileName();
  return printer_.printerName();
}

bool QtPrinterDevice::BeginDoc(const std::string& title) {
  printer_.setDocName(FromRecordText(title));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&printer_)) {
    painter_.reset();
    ShowMessage("Printing could not start on " + RecordText(Destination()) + ".", MsgIcon::Error);
    return false;
  }
  page_ = 1;
  failed_ = false;
  painterFontSet_ = false;
  metrics_.reset();
  advances_.reset();
  measured_.clear();
  return true;
}

void QtPrinterDevice::EndDoc() {
  if (!painter_) return;
  const bool ended = painter_->end();
  painter_.reset();
  page_ = 0;
  if (!ended || failed_) {
    ShowMessage(
        "Printing on " + RecordText(Destination()) + " failed; the printout is not complete.",
        MsgIcon::Error);
  }
}

void QtPrinterDevice::NewPage() {
  if (!painter_) return;
  if (!printer_.newPage()) failed_ = true;
  ++page_;
}

void QtPrinterDevice::SetFont(const PrinterFont& font) {
  if (font == font_) return;
  // Keep the measures of the font left, and take those of a font used before.
  if (metrics_) {
    const auto known = std::find_if(measured_.begin(), measured_.end(),
                                    [&](const MeasuredFont& m) { return m.font == font_; });
    if (known == measured_.end()) {
      measured_.push_back({font_, qfont_, *metrics_, advances_});
    } else {
      known->advances = advances_;
    }
  }
  font_ = font;
  metrics_.reset();
  advances_.reset();
  painterFontSet_ = false;
  for (const MeasuredFont& m : measured_) {
    if (m.font == font) {
      qfont_ = m.qfont;
      metrics_.emplace(m.metrics);
      advances_ = m.advances;
      break;
    }
  }
}

const QFontMetricsF& QtPrinterDevice::Metrics() {
  if (!metrics_) {
    qfont_ = ToQFont(font_, printer_.logicalDpiY());
    metrics_.emplace(qfont_, &printer_);
  }
  return *metrics_;
}

const std::array<double, 256>& QtPrinterDevice::Advances() {
  if (!advances_) {
    const QFontMetricsF& metrics = Metrics();
    std::array<double, 256> advances{};
    for (int c = 0; c < 256; ++c) {
      const char byte = static_cast<char>(c);
      advances[c] = metrics.horizontalAdvance(FromRecordText(std::string_view(&byte, 1)));
    }
    advances_ = advances;
  }
  return *advances_;
}

void QtPrinterDevice::TextOut(int x, int y, const std::string& text) {
  if (!painter_) return;
  const QFontMetricsF& metrics = Metrics();
  if (!painterFontSet_) {
    painter_->setFont(qfont_);
    const std::uint32_t c = font_.color;
    painter_->setPen(QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff));
    painterFontSet_ = true;
  }
  painter_->drawText(QPointF(x, y + metrics.ascent()), FromRecordText(text));
}

// Widths are the sum of the characters' advances, as the printer measures
// them: no kerning, so a text drawn is never wider than measured.
int QtPrinterDevice::TextWidth(const std::string& text) {
  const std::array<double, 256>& advances = Advances();
  double width = 0;
  for (const char c : text) width += advances[static_cast<unsigned char>(c)];
  return static_cast<int>(std::ceil(width));
}

bool QtPrinterDevice::FitCount(const std::string& text, int maxExtent, int& fit) {
  const std::array<double, 256>& advances = Advances();
  double width = 0;
  fit = 0;
  for (const char c : text) {
    width += advances[static_cast<unsigned char>(c)];
    if (std::ceil(width) > maxExtent) break;
    ++fit;
  }
  return true;
}

void QtPrinterDevice::DrawLine(int x1, int y1, int x2, int y2, int penWidth) {
  if (!painter_) return;
  painter_->setPen(QPen(Qt::black, penWidth));
  painter_->drawLine(x1, y1, x2, y2);
  painterFontSet_ = false;
}

void QtPrinterDevice::DrawRectangle(int left, int top, int right, int bottom, int penWidth) {
  if (!painter_) return;
  painter_->setPen(QPen(Qt::black, penWidth));
  painter_->setBrush(Qt::NoBrush);
  painter_->drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
  painterFontSet_ = false;
}
