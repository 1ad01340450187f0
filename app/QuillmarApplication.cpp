#include "app/QuillmarApplication.h"

#include "app/ErrorDisplay.h"

TQuillmarApplication::TQuillmarApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Quillmar"));
  setApplicationDisplayName(QStringLiteral("Quillmar"));
}

bool TQuillmarApplication::notify(QObject* receiver, QEvent* event) {
  bool result = false;
  RunGuarded([&] { result = QApplication::notify(receiver, event); });
  return result;
}
