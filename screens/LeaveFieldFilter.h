#pragma once
// Runs a field's on-leave handler when the user leaves the field: once per
// visit, when the focus moves to another field of the window (switching to
// another window, or a message box or drop-down popping up, is no leave).
// A field that is typed into again after its handler ran counts as visited
// again, so a commit before a button's action and a later leave never run the
// handler twice for the same text. Handlers never run inside one another: a
// leave while one runs (its message box open) is none.

#include <QObject>
#include <functional>
#include <map>

class QLineEdit;
class QWidget;

class LeaveFieldFilter final : public QObject {
  Q_OBJECT

 public:
  explicit LeaveFieldFilter(QObject* parent = nullptr);

  void Watch(QLineEdit* field, std::function<void()> onLeave);
  void Watch(QWidget* field, std::function<void()> onLeave);

  // Runs the handler of the field that has the focus now, if it is due: a
  // default button pressed with Enter leaves no field, yet its action must see
  // the field's value stored.
  void CommitFocusedField();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Field {
    std::function<void()> onLeave;
    bool due = false;
  };
  void RunIfDue(QObject* field);

  std::map<QObject*, Field> fields_;
  bool running_ = false;  // a field's handler is running
};
