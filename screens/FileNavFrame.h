#pragma once
// The row of navigation buttons of the W-2 screen. The frame has no handlers
// of its own: the screen that hosts it connects the buttons.

#include <QFrame>

class QPushButton;

class TFrameFileNav : public QFrame {
  Q_OBJECT

 public:
  explicit TFrameFileNav(QWidget* parent = nullptr);

  // In tab order. BitBtnNext is the default button of the window (Enter presses it).
  QPushButton* BitBtnIndex = nullptr;
  QPushButton* BitBtnFirst = nullptr;
  QPushButton* BitBtnPrevs = nullptr;
  QPushButton* BitBtnNext = nullptr;
  QPushButton* BitBtnLast = nullptr;
  QPushButton* BitBtnAddNew = nullptr;
};
