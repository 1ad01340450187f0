#pragma once
// One row of the box 12 dialog: the code, chosen from the list of box 12
// codes (or typed), and the amount as text.

#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;

class TFrameBox12Item : public QFrame {
  Q_OBJECT

public:
  explicit TFrameBox12Item(QWidget* parent = nullptr);

  QComboBox* ComboBox1 = nullptr;  // editable; lists the box 12 code lines
  QLineEdit* Edit1 = nullptr;      // the amount
  QLabel* Label1 = nullptr;
  QFrame* Bevel1 = nullptr;        // the line under the row
};

// Shows the code of a box 12 code field in a row's combo: clears the combo's
// text; when the field holds exactly one character (and the combo has
// items), upper-cases it in the field and shows the first line of the list
// that starts with it. A code not in the list (a space, an unknown letter)
// leaves the combo empty.
void PairBox12Code(QComboBox* combo, QLineEdit* codeField);
