#include "app/QuillmarApplication.h"

#include "app/ErrorDisplay.h"

TQuillmarApplication::TQuillmarApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // Only the name: a display name would be appended to every window caption
  // ("W-2 Wage and Tax Statement — Quillmar"), and the captions are the forms' own.
  setApplicationName(QStringLiteral("Quillmar"));
}

bool TQuillmarApplication::notify(QObject* receiver, QEvent* event) {
  bool result = false;
  RunGuarded([&] { result = QApplication::notify(receiver, event); });
  return result;
}
