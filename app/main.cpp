// Quillmar: prepares the year-end W-2 wage statements and the W-3 transmittal.

#include <QApplication>
#include <QMainWindow>

#include "platform/MessageBoxes.h"
#include "platform/QtMessageBoxes.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillmar"));
  QtMessageBoxes boxes;
  SetMessageBoxes(&boxes);

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Quillmar"));
  window.resize(640, 420);
  window.show();
  return app.exec();
}
