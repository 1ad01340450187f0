#include "screens/FormCanvas.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "platform/qt/QtRecordText.h"

namespace {

constexpr double kColsPerInch = 10.0;
constexpr double kLinesPerInch = 6.0;
// The size at which the screen shows the form when nothing else is asked: 96 pixels to the inch.
constexpr double kNaturalScale = 96.0;


}  // namespace

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

QSize TFormCanvas::sizeHint() const {
  return QSize(static_cast<int>(picture_.cols / kColsPerInch * kNaturalScale),
               static_cast<int>(picture_.lines / kLinesPerInch * kNaturalScale));
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
  PlaceChildren();
}

void TFormCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double s = Scale();
  QFont captionFont(QStringLiteral("Liberation Sans"));
  captionFont.setPixelSize(std::max(6, static_cast<int>(s * 0.075)));
  painter.setFont(captionFont);
  painter.setPen(QPen(Qt::black, std::max(1.0, s / 96.0)));
  for (const FormBox& box : picture_.boxes) {
    const QRect r = ToWidget(box.rect);
    painter.drawRect(r);
    if (!box.caption.empty()) {
      const QRect textArea = r.adjusted(2, 1, -2, -1);
      painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, FromRecordText(box.caption));
    }
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
