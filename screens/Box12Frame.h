#pragma once
// One row of the box 12 dialog: the code, chosen from the list of box 12
// codes (or typed), and the amount as text.

#include <QFrame>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

class TFrameBox12Item : public QFrame {
  Q_OBJECT

 public:
  // A new row lists the codes of the years up to 2003.
  explicit TFrameBox12Item(QWidget* parent = nullptr);

  // Lists these code lines instead (those of a tax year); the row shows no code.
  void SetCodeLines(const std::vector<std::string>& lines);

  QComboBox* ComboBox1 = nullptr;  // editable; lists the box 12 code lines
  QLineEdit* Edit1 = nullptr;      // the amount
  QLabel* Label1 = nullptr;
  QFrame* Bevel1 = nullptr;  // the line under the row
};

// Shows the code of a box 12 code field in a row's combo: clears the combo's
// text; when the field holds exactly one character (and the combo has
// items), upper-cases it in the field and shows the first line of the list
// that starts with it. A code not in the list (a space, an unknown letter)
// leaves the combo empty. With `twoLetters` (a year with two-letter codes) a
// field of two characters is paired too, and a line matches when its code,
// the text before its first space, is the field's.
void PairBox12Code(QComboBox* combo, QLineEdit* codeField, bool twoLetters = false);

// The code that a row's combo text gives its box 12 code field: the first
// character; with `twoLetters`, the text before the first space.
QString Box12CodeOfLine(const QString& line, bool twoLetters);
