#include "screens/FormCanvas.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "platform/qt/QtRecordText.h"

namespace {

constexpr double kColsPerInch = 10.0;
constexpr double kLinesPerInch = 6.0;
// The size at which the screen shows the form when nothing else is asked: 96 pixels to the inch.
constexpr double kNaturalScale = 96.0;
// Captions are 0.075 inch high, the fields' type 0.72 of a grid line.
constexpr double kCaptionInches = 0.075;
constexpr double kFieldLineShare = 0.72;
// Captions made to fit their room go no smaller than this, nor does a
// caption line shrunk to stay one line.
constexpr int kSmallestCaptionPixels = 8;

}  // namespace

int SmallFontPixelSize() {
  // A desktop that names no small font of its own gives its default font for
  // it, which may be larger than its general font.
  const int smallest =
      QFontInfo(QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont)).pixelSize();
  const int general = QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).pixelSize();
  return std::min(smallest, general);
}

QRect DesktopWorkArea(const QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

void FitFormWindow(QWidget& window, const TFormCanvas& canvas, const QRect& workArea) {
  const QSize room(workArea.width() - kFrameAllowanceWidth,
                   workArea.height() - kFrameAllowanceHeight);
  const QSize size = canvas.SizeToFit(room).expandedTo(canvas.minimumSize());
  window.resize(size);
  // move() places the frame's corner.
  window.move(
      workArea.left() + std::max(0, (workArea.width() - size.width() - kFrameAllowanceWidth) / 2),
      workArea.top() +
          std::max(0, (workArea.height() - size.height() - kFrameAllowanceHeight) / 2));
}

TFormCanvas::TFormCanvas(FormPicture picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  setMinimumSize(static_cast<int>(picture_.cols / kColsPerInch * 72),
                 static_cast<int>(picture_.lines / kLinesPerInch * 72));
}

double TFormCanvas::Scale() const {
  if (picture_.cols <= 0 || picture_.lines <= 0) return kNaturalScale;
  const double byWidth = width() / (picture_.cols / kColsPerInch);
  const double byHeight = height() / (picture_.lines / kLinesPerInch);
  return std::min(byWidth, byHeight);
}

QRect TFormCanvas::ToWidget(const GridRect& rect) const {
  const double s = Scale();
  const double x = (rect.col - 1) / kColsPerInch * s;
  const double y = (rect.line - 1) / kLinesPerInch * s;
  const double w = rect.cols / kColsPerInch * s;
  const double h = rect.lines / kLinesPerInch * s;
  return QRect(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)),
               static_cast<int>(std::lround(w)), static_cast<int>(std::lround(h)));
}

QSize TFormCanvas::sizeHint() const { return SizeAt(kNaturalScale); }

QSize TFormCanvas::SizeAt(double pixelsPerInch) const {
  return QSize(static_cast<int>(picture_.cols / kColsPerInch * pixelsPerInch),
               static_cast<int>(picture_.lines / kLinesPerInch * pixelsPerInch));
}

QSize TFormCanvas::SizeToFit(const QSize& room) const {
  if (picture_.cols <= 0 || picture_.lines <= 0) return room;
  const double byWidth = room.width() / (picture_.cols / kColsPerInch);
  const double byHeight = room.height() / (picture_.lines / kLinesPerInch);
  return SizeAt(std::min(byWidth, byHeight));
}

int TFormCanvas::CaptionPixelSize() const {
  int pixels = std::max(SmallFontPixelSize(), static_cast<int>(Scale() * kCaptionInches));
  if (captionRoomLines_ <= 0) return pixels;
  // The caption's line (with its descenders) above the fields, below the box edge.
  // The caption's text starts 1 pixel below the edge.
  const double room = Scale() / kLinesPerInch * captionRoomLines_ - 1;
  QFont caption(QStringLiteral("Liberation Sans"));
  for (; pixels > kSmallestCaptionPixels; --pixels) {
    caption.setPixelSize(pixels);
    if (QFontMetrics(caption).height() <= room) break;
  }
  return pixels;
}

void TFormCanvas::SetCaptionRoom(double lines) {
  captionRoomLines_ = lines;
  oneLineCaptions_ = true;
  update();
}

int TFormCanvas::FieldPixelSize() const {
  return std::max(SmallFontPixelSize(),
                  static_cast<int>(Scale() / kLinesPerInch * kFieldLineShare));
}

void TFormCanvas::ScaleFieldFont() {
  QFont type = font();
  type.setPixelSize(FieldPixelSize());
  setFont(type);
  // A field with a style sheet of its own does not follow its parent's font;
  // each placed child that has no font of its own gets it directly.
  for (Placement& p : placements_) {
    if (!p.scaledFont && p.child->testAttribute(Qt::WA_SetFont)) continue;
    QFont childType = p.child->font();
    childType.setPixelSize(type.pixelSize());
    p.child->setFont(childType);
    // The same for the text field inside a styled drop-down.
    if (auto* combo = qobject_cast<QComboBox*>(p.child); combo && combo->lineEdit()) {
      combo->lineEdit()->setFont(childType);
    }
    p.scaledFont = true;
  }
}

void TFormCanvas::Place(QWidget* child, const GridRect& rect) {
  placements_.push_back({child, rect});
  child->setGeometry(ToWidget(rect));
}

void TFormCanvas::PlaceChildren() {
  for (const Placement& p : placements_) p.child->setGeometry(ToWidget(p.rect));
}

void TFormCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ScaleFieldFont();
  PlaceChildren();
}

void TFormCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double s = Scale();
  QFont captionFont(QStringLiteral("Liberation Sans"));
  captionFont.setPixelSize(CaptionPixelSize());
  painter.setFont(captionFont);
  painter.setPen(QPen(Qt::black, std::max(1.0, s / 96.0)));
  for (const FormBox& box : picture_.boxes) {
    const QRect r = ToWidget(box.rect);
    painter.drawRect(r);
    if (box.caption.empty()) continue;
    const QRect textArea = r.adjusted(2, 1, -2, -1);
    if (!oneLineCaptions_) {
      painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       FromRecordText(box.caption));
      continue;
    }
    // Line by line, each on one line of its own.
    const QStringList lines = FromRecordText(box.caption).split(QLatin1Char('\n'));
    int top = textArea.top();
    for (const QString& line : lines) {
      QFont lineFont = captionFont;
      while (lineFont.pixelSize() > kSmallestCaptionPixels &&
             QFontMetrics(lineFont).horizontalAdvance(line) > textArea.width()) {
        lineFont.setPixelSize(lineFont.pixelSize() - 1);
      }
      const QFontMetrics metrics(lineFont);
      painter.setFont(lineFont);
      painter.drawText(QRect(textArea.left(), top, textArea.width(), metrics.height()),
                       Qt::AlignLeft | Qt::AlignTop,
                       metrics.elidedText(line, Qt::ElideRight, textArea.width()));
      top += metrics.height();
    }
    painter.setFont(captionFont);
  }
  // A title fills the height of its rectangle.
  QFont titleFont(QStringLiteral("Liberation Sans"));
  titleFont.setBold(true);
  for (const FormBox& title : picture_.titles) {
    const QRect r = ToWidget(title.rect);
    titleFont.setPixelSize(std::max(8, static_cast<int>(r.height() * 0.7)));
    painter.setFont(titleFont);
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, FromRecordText(title.caption));
  }
}
