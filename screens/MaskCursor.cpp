#include "screens/MaskCursor.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <vector>

namespace {

// Which places of the mask take typed characters; the others are literals.
std::vector<bool> InputPlaces(const QString& mask) {
  static const QString kInputChars = QStringLiteral("AaNnXx90Dd#HhBb");
  const qsizetype end = mask.indexOf(QLatin1Char(';'));
  const QString places = end < 0 ? mask : mask.left(end);
  std::vector<bool> input;
  for (qsizetype i = 0; i < places.size(); ++i) {
    const QChar c = places[i];
    if (c == QLatin1Char('>') || c == QLatin1Char('<') || c == QLatin1Char('!')) continue;
    if (c == QLatin1Char('\\') && i + 1 < places.size()) {
      ++i;
      input.push_back(false);
      continue;
    }
    input.push_back(kInputChars.contains(c));
  }
  return input;
}

QChar BlankOf(const QString& mask) {
  const qsizetype end = mask.indexOf(QLatin1Char(';'));
  return end >= 0 && end + 1 < mask.size() ? mask[end + 1] : QLatin1Char(' ');
}

class MaskCursorFilter final : public QObject {
 public:
  explicit MaskCursorFilter(QLineEdit* edit) : QObject(edit), edit_(edit) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::FocusIn:
      case QEvent::MouseButtonRelease:
        Bring();
        break;
      case QEvent::KeyPress:
        // Before the character is taken, in case the cursor got beyond by other means.
        if (!static_cast<QKeyEvent*>(event)->text().isEmpty()) Bring();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void Bring() {
    if (edit_->hasSelectedText()) return;
    const int cursor = edit_->cursorPosition();
    const int place = MaskTypingPlace(edit_->inputMask(), edit_->displayText(), cursor);
    if (place != cursor) edit_->setCursorPosition(place);
  }

  QLineEdit* edit_;
};

}  // namespace

int MaskTypingPlace(const QString& inputMask, const QString& shown, int cursor) {
  const std::vector<bool> input = InputPlaces(inputMask);
  const QChar blank = BlankOf(inputMask);
  int firstEmpty = -1;
  int typedEnd = 0;
  for (qsizetype i = 0; i < shown.size() && static_cast<std::size_t>(i) < input.size(); ++i) {
    if (!input[static_cast<std::size_t>(i)]) continue;
    if (shown[i] == blank) {
      if (firstEmpty < 0) firstEmpty = static_cast<int>(i);
    } else {
      typedEnd = static_cast<int>(i) + 1;
    }
  }
  if (firstEmpty < 0) firstEmpty = static_cast<int>(shown.size());
  return cursor <= typedEnd ? cursor : firstEmpty;
}

void KeepCursorInTypedPart(QLineEdit* edit) {
  edit->installEventFilter(new MaskCursorFilter(edit));
}
