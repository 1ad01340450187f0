#include "screens/LeaveFieldFilter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

LeaveFieldFilter::LeaveFieldFilter(QObject* parent) : QObject(parent) {}

void LeaveFieldFilter::Watch(QWidget* field, std::function<void()> onLeave) {
  fields_[field] = Field{std::move(onLeave), field->hasFocus()};
  field->installEventFilter(this);
  connect(field, &QObject::destroyed, this, [this, field] { fields_.erase(field); });
}

void LeaveFieldFilter::Watch(QLineEdit* field, std::function<void()> onLeave) {
  Watch(static_cast<QWidget*>(field), std::move(onLeave));
  connect(field, &QLineEdit::textEdited, this, [this, field] {
    if (auto it = fields_.find(field); it != fields_.end()) it->second.due = true;
  });
}

void LeaveFieldFilter::CommitFocusedField() { RunIfDue(QApplication::focusWidget()); }

void LeaveFieldFilter::RunIfDue(QObject* field) {
  // While a rule runs (and its message is open) the focus moves that come
  // with the message are no leaves of the user's: the field stays due.
  if (running_) return;
  const auto it = fields_.find(field);
  if (it == fields_.end() || !it->second.due) return;
  it->second.due = false;
  // Copied: the handler may show a box whose events change fields_.
  const std::function<void()> onLeave = it->second.onLeave;
  running_ = true;
  struct Done {
    bool& running;
    ~Done() { running = false; }
  } done{running_};
  onLeave();
}

bool LeaveFieldFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (auto it = fields_.find(watched); it != fields_.end()) it->second.due = true;
  } else if (event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      // The field finishes its own leaving first (a line edit drops its
      // selection and cursor), so that a rule that puts the focus back
      // leaves the field ready for typing.
      watched->event(event);
      RunIfDue(watched);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}
