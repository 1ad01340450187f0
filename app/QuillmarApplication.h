#pragma once
// The Quillmar application object: its notify() is the last line of the
// error display, for errors that escape an event handler.

#include <QApplication>

class TQuillmarApplication final : public QApplication {
 public:
  TQuillmarApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
