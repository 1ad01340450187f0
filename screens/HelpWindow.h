#pragma once
// Help, Contents (F1): the user's guide in a window of its own, beside the
// program's other windows (not modal).

#include <QDialog>

class QTextBrowser;

class THelpWindow final : public QDialog {
  Q_OBJECT

 public:
  // Shows `markdown`, the text of the user's guide.
  explicit THelpWindow(const QString& markdown, QWidget* parent = nullptr);

  QTextBrowser* Browser = nullptr;
};
