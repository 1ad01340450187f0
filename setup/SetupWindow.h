#pragma once
// setup's main window "Quillmar Setup": the dark blue screen with the title
// and the publisher's identification. One second after it is shown it runs
// the opening boxes and, if the user goes on, the installation; then setup
// ends.

#include <QTimer>
#include <QWidget>
#include <functional>

class ISetupBoxes;

class SetupWindow : public QWidget {
  Q_OBJECT
 public:
  SetupWindow(ISetupBoxes& boxes, std::function<void()> install, QWidget* parent = nullptr);

  // Covers the desktop's work area, shows the window and starts the timer.
  void Start();
  // The start-up timer's handler.
  void StartTimerFired();

  // Where the identification block is drawn in a client area of `size`.
  QRect IdentificationRect(const QSize& size) const;
  static QFont TitleFont();
  static QFont IdentificationFont();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ISetupBoxes& boxes_;
  std::function<void()> install_;
  QTimer startTimer_;
};
