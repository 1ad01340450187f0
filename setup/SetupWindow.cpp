#include "setup/SetupWindow.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "setup/SetupBoxes.h"
#include "setup/SetupTexts.h"

namespace {

constexpr int kMargin = 25;
constexpr int kStartDelayMs = 1000;
const QColor kBackground(0, 0, 128);
const QColor kTitleColour(255, 255, 0);
const QColor kIdentificationColour(0, 255, 0);

QFont SwissFont(int pixels, bool italic) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
  font.setFixedPitch(false);
  font.setPixelSize(pixels);
  font.setBold(true);
  font.setItalic(italic);
  return font;
}

}  // namespace

SetupWindow::SetupWindow(ISetupBoxes& boxes, std::function<void()> install, QWidget* parent)
    : QWidget(parent), boxes_(boxes), install_(std::move(install)) {
  setWindowTitle(QString::fromUtf8(kSetupTitle));
  setWindowIcon(QIcon(QStringLiteral(":/setup/MAINICON.png")));
  setAttribute(Qt::WA_OpaquePaintEvent);
  startTimer_.setSingleShot(true);
  startTimer_.setInterval(kStartDelayMs);
  connect(&startTimer_, &QTimer::timeout, this, &SetupWindow::StartTimerFired);
}

QFont SetupWindow::TitleFont() { return SwissFont(37, true); }
QFont SetupWindow::IdentificationFont() { return SwissFont(13, false); }

void SetupWindow::Start() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect workArea = screen ? screen->availableGeometry() : QRect();
  setGeometry(workArea.isEmpty() ? QRect(QPoint(100, 100), QPoint(643, 474)) : workArea);
  show();
  startTimer_.start();
}

QRect SetupWindow::IdentificationRect(const QSize& size) const {
  const QFontMetrics metrics(IdentificationFont());
  const QRect bounds = metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignHCenter,
                                            QString::fromUtf8(kIdentificationLines));
  return QRect(size.width() - kMargin - bounds.width(), size.height() - kMargin - bounds.height(),
               bounds.width(), bounds.height());
}

void SetupWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBackground);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(kBackground);

  painter.setFont(TitleFont());
  painter.setPen(kTitleColour);
  painter.drawText(QRect(kMargin, kMargin, width(), height()), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Setup for\n     ") + QString::fromUtf8(kProductName));

  painter.setFont(IdentificationFont());
  painter.setPen(kIdentificationColour);
  painter.drawText(IdentificationRect(size()), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromUtf8(kIdentificationLines));
}

void SetupWindow::StartTimerFired() {
  startTimer_.stop();
  boxes_.Show({kAboutCaption, std::string(kAboutText) + "\n\n" + kIdentificationLines});
  boxes_.Show({kWarningCaption, kWarningText});
  if (boxes_.Show({kIntroCaption, kIntroText, BoxIcon::None, BoxButtons::OkCancel}) ==
      BoxAnswer::Ok) {
    install_();
  }
  close();
  QCoreApplication::quit();
}
