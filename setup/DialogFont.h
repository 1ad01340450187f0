#pragma once
// The font of setup's dialog templates, and how a control tells its
// identifier (the "controlId" property).

#include <QFont>
#include <QWidget>

inline QFont SetupDialogFont() {
  QFont font(QStringLiteral("Arial"), 10);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

inline void SetControlId(QWidget* control, int id) { control->setProperty("controlId", id); }
