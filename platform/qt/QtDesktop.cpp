#include "platform/qt/QtDesktop.h"

#include <QGuiApplication>
#include <QScreen>

WorkArea QtDesktop::GetWorkArea() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect area = screen->availableGeometry();
  return {area.width(), area.height()};
}
