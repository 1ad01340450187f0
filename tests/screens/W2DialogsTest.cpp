// The pieces the W-2 screen hosts: the navigation buttons, the employee pick
// list and the box 12 set-up dialog with its rows and code list, driven on
// offscreen windows as a user drives them.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "data/QuillmarFormFile.h"
#include "platform/CodePage.h"
#include "rules/Box12Codes.h"
#include "screens/Box12Frame.h"
#include "screens/DlgW2Box12.h"
#include "screens/FileNavFrame.h"
#include "screens/PickIndex.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

QStringList Lines(const QListWidget& list) {
  QStringList lines;
  for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
  return lines;
}

QStringList Items(const QComboBox& combo) {
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  return items;
}

// ---------------------------------------------------------------- navigation

TEST(FileNavFrame, ButtonsInTabOrderWithNextAsTheDefault) {
  QDialog window;  // the W-2 screen is a dialog: its default button takes Enter
  auto* nav = new TFrameFileNav(&window);
  const std::vector<QPushButton*> buttons = {nav->BitBtnIndex, nav->BitBtnFirst, nav->BitBtnPrevs,
                                             nav->BitBtnNext,  nav->BitBtnLast,  nav->BitBtnAddNew};
  const QStringList captions = {"Pick from &Index", "&First", "&Prevs", "&Next", "&Last",
                                "&Add New"};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    ASSERT_NE(buttons[i], nullptr) << i;
    EXPECT_EQ(buttons[i]->text(), captions[static_cast<int>(i)]);
    EXPECT_EQ(buttons[i]->parentWidget(), nav);
    const bool next = buttons[i] == nav->BitBtnNext;
    EXPECT_EQ(buttons[i]->isDefault(), next) << captions[static_cast<int>(i)].toStdString();
    if (!next) {
      EXPECT_FALSE(buttons[i]->autoDefault()) << captions[static_cast<int>(i)].toStdString();
    }
  }
  // Tab walks the buttons in caption order.
  for (std::size_t i = 0; i + 1 < buttons.size(); ++i)
    EXPECT_EQ(buttons[i]->nextInFocusChain(), buttons[i + 1]) << i;

  // Enter in the window presses Next, and only Next.
  QStringList pressed;
  for (std::size_t i = 0; i < buttons.size(); ++i)
    QObject::connect(buttons[i], &QPushButton::clicked,
                     [&, i] { pressed << captions[static_cast<int>(i)]; });
  auto* field = new QLineEdit(&window);
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(field);
  layout->addWidget(nav);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  field->setFocus();
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(pressed, QStringList{"&Next"});
  EXPECT_TRUE(window.isVisible());
}

// ---------------------------------------------------------------- pick list

class PickListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file = TQuillmarFormFile::Create(dir.File("acme.qmr"));
    // Entry, name and SSN orders all differ. The placeholder is taken by the first.
    Add("555-55-5555", "Eve", "", "Baker");
    Add("333-33-3333", "Ann", "", "Young");
    Add("222-22-2222", "Dan", "R", "Clark");
    Add("444-44-4444", "Bob", "", "Adams");
    Add("111-11-1111", "Jos\xE9", "", "M\xFCller");
    ASSERT_TRUE(file->GoFirst());
    pick = std::make_unique<TFormW2PickList>(*file);
  }
  void TearDown() override {
    pick.reset();
    file.reset();
    EXPECT_TRUE(boxes.Shown().empty()) << boxes.Texts().front();
  }

  void Add(const char* ssn, const char* first, const char* initial, const char* last) {
    ASSERT_TRUE(file->AddNew(kRecTypeW2));
    file->WorkRec.w2.SocSecNum = ssn;
    file->WorkRec.w2.FirstName = first;
    file->WorkRec.w2.MiddleInitial = initial;
    file->WorkRec.w2.LastName = last;
    ASSERT_TRUE(file->SaveCurrent(false));
  }

  void Show() {
    pick->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pick.get()));
  }
  void ClickRadio(int item) {
    QTest::mouseClick(pick->RadioItems[static_cast<std::size_t>(item)], Qt::LeftButton);
  }
  void ClickLine(const QString& text) {
    const QList<QListWidgetItem*> found = pick->ListBox1->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QTest::mouseClick(pick->ListBox1->viewport(), Qt::LeftButton, {},
                      pick->ListBox1->visualItemRect(found.front()).center());
  }

  TempDir dir;
  FixedClock clock{FixedClock::LocalNoon(2002, 1, 15)};
  ScriptedMessageBoxes boxes;
  std::unique_ptr<TQuillmarFormFile> file;
  std::unique_ptr<TFormW2PickList> pick;
};

const QStringList kNamesInNameOrder = {"ADAMS, BOB", "BAKER, EVE", "CLARK, DAN R",
                                       QString::fromUtf8("M\u00fcLLER, JOS\u00e9"), "YOUNG, ANN"};
const QStringList kSsnsInOrder = {"111-11-1111", "222-22-2222", "333-33-3333", "444-44-4444",
                                  "555-55-5555"};

TEST_F(PickListTest, Texts) {
  EXPECT_EQ(pick->windowTitle(), "Employees in this W-2 File");
  EXPECT_EQ(pick->LabelInfo->text(), "Click on employee to select.");
  EXPECT_EQ(pick->RadioGroupWhichIndex->title(), "Sort Emlployee List by");
  const QStringList items = {"No Index (Entry Sequence)", "Surname + Firstname",
                             "Soc. Sec. Number"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pick->RadioItems[static_cast<std::size_t>(i)]->text(), items[i]);
    EXPECT_EQ(pick->RadioItems[static_cast<std::size_t>(i)]->parentWidget(),
              pick->RadioGroupWhichIndex);
  }
  EXPECT_EQ(pick->BitBtnCancel->text(), "Cancel");
}

// Entry sequence has no list of its own: the names are shown, in name order.
TEST_F(PickListTest, EachOrderListsItsKeys) {
  struct Case {
    int mode;
    QStringList lines;
  };
  for (const Case& c :
       {Case{0, kNamesInNameOrder}, Case{1, kNamesInNameOrder}, Case{2, kSsnsInOrder}}) {
    file->IndexMode = c.mode;
    Show();
    EXPECT_EQ(pick->ItemIndex(), c.mode);
    EXPECT_TRUE(pick->RadioItems[static_cast<std::size_t>(c.mode)]->isChecked());
    EXPECT_EQ(Lines(*pick->ListBox1), c.lines) << "mode " << c.mode;
    pick->hide();
  }
}

TEST_F(PickListTest, SwitchingTheOrderAndCancellingPutsTheFormerOrderBack) {
  Show();
  ClickRadio(2);
  EXPECT_EQ(file->IndexMode, 2) << "the order changes at once";
  EXPECT_EQ(Lines(*pick->ListBox1), kSsnsInOrder);
  ClickRadio(1);
  EXPECT_EQ(file->IndexMode, 1);
  EXPECT_EQ(Lines(*pick->ListBox1), kNamesInNameOrder);
  QTest::mouseClick(pick->BitBtnCancel, Qt::LeftButton);
  EXPECT_FALSE(pick->isVisible());
  EXPECT_EQ(pick->result(), QDialog::Rejected);
  EXPECT_EQ(file->IndexMode, 0);
  EXPECT_EQ(pick->ChosenKey(), "");
}

TEST_F(PickListTest, EscapeAndClosingTheWindowCancelToo) {
  for (int way = 0; way < 2; ++way) {
    file->IndexMode = 1;
    Show();
    ClickRadio(2);
    if (way == 0)
      QTest::keyClick(pick->ListBox1, Qt::Key_Escape);
    else
      pick->close();
    EXPECT_FALSE(pick->isVisible()) << way;
    EXPECT_EQ(pick->result(), QDialog::Rejected) << way;
    EXPECT_EQ(file->IndexMode, 1) << way;
  }
}

TEST_F(PickListTest, SwitchingTheOrderAndClickingALineKeepsTheNewOrder) {
  Show();
  ClickRadio(1);
  ClickLine("CLARK, DAN R");
  EXPECT_FALSE(pick->isVisible());
  EXPECT_EQ(pick->result(), QDialog::Accepted);
  EXPECT_EQ(pick->ChosenKey(), "CLARK, DAN R");
  EXPECT_EQ(file->IndexMode, 1);
  // The W-2 screen then looks the key up; the moves go on in name order.
  ASSERT_TRUE(file->LocateKey(pick->ChosenKey()));
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "Clark");
  ASSERT_TRUE(file->GoNext());
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "M\xFCller");
}

TEST_F(PickListTest, PickingInSsnOrderPassesTheSsn) {
  file->IndexMode = 2;
  Show();
  ClickLine("333-33-3333");
  EXPECT_EQ(pick->result(), QDialog::Accepted);
  EXPECT_EQ(pick->ChosenKey(), "333-33-3333");
  ASSERT_TRUE(file->LocateKey(pick->ChosenKey()));
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "Young");
  ASSERT_TRUE(file->GoNext());
  EXPECT_EQ(file->WorkRec.w2.SocSecNum.Str(), "444-44-4444");
}

// The list shows the names as text; the key handed back is the record's own
// Windows-1252 bytes.
TEST_F(PickListTest, AKeyWithAccentsComesBackByteForByte) {
  Show();
  ClickLine(QString::fromUtf8("M\u00fcLLER, JOS\u00e9"));
  EXPECT_EQ(pick->ChosenKey(), "M\xFCLLER, JOS\xE9");
  ASSERT_TRUE(file->LocateKey(pick->ChosenKey()));
  EXPECT_EQ(file->WorkRec.w2.SocSecNum.Str(), "111-11-1111");
}

TEST_F(PickListTest, EveryShowingStartsAfresh) {
  Show();
  ClickRadio(2);
  ClickLine("222-22-2222");
  ASSERT_EQ(pick->ChosenKey(), "222-22-2222");

  // Shown again: the earlier choice is gone, the radio group shows the order
  // now in force, and Cancel goes back to that order, not the first one.
  Show();
  EXPECT_EQ(pick->ChosenKey(), "");
  EXPECT_EQ(pick->ItemIndex(), 2);
  EXPECT_EQ(Lines(*pick->ListBox1), kSsnsInOrder);
  ClickRadio(0);
  EXPECT_EQ(file->IndexMode, 0);
  EXPECT_EQ(Lines(*pick->ListBox1), kNamesInNameOrder);
  QTest::mouseClick(pick->BitBtnCancel, Qt::LeftButton);
  EXPECT_EQ(file->IndexMode, 2);

  // A new employee saved meanwhile is in the list at the next showing.
  Add("666-66-6666", "Al", "", "Aaron");
  file->IndexMode = 1;
  Show();
  EXPECT_EQ(pick->ListBox1->item(0)->text(), "AARON, AL");
  EXPECT_EQ(pick->ListBox1->count(), 6);
}

TEST_F(PickListTest, EnterOnTheCurrentLinePicksIt) {
  Show();
  pick->ListBox1->setFocus();
  pick->ListBox1->setCurrentRow(1);
  QTest::keyClick(pick->ListBox1, Qt::Key_Return);
  EXPECT_EQ(pick->result(), QDialog::Accepted);
  EXPECT_EQ(pick->ChosenKey(), "BAKER, EVE");
}

// A new file holds only its blank placeholder: one empty line, whose empty
// key the W-2 screen then reports as not found.
TEST_F(PickListTest, ANewFileListsItsBlankPlaceholder) {
  pick.reset();
  file.reset();
  TempDir other;
  file = TQuillmarFormFile::Create(other.File("new.qmr"));
  pick = std::make_unique<TFormW2PickList>(*file);
  for (int mode = 0; mode < 3; ++mode) {
    file->IndexMode = mode;
    Show();
    EXPECT_EQ(Lines(*pick->ListBox1), QStringList{""}) << mode;
    pick->hide();
  }
  Show();
  QTest::mouseClick(pick->ListBox1->viewport(), Qt::LeftButton, {},
                    pick->ListBox1->visualItemRect(pick->ListBox1->item(0)).center());
  EXPECT_EQ(pick->result(), QDialog::Accepted);
  EXPECT_EQ(pick->ChosenKey(), "");
  EXPECT_FALSE(file->LocateKey(pick->ChosenKey()));
}

// ---------------------------------------------------------------- box 12 codes

TEST(Box12Codes, TheNineteenLinesInOrder) {
  const std::vector<std::string> expected = {
      "A Uncollected social security or RRTA tax on tips",
      "B Uncollected Medicare tax on tips",
      "C Cost of group-term life insurance over $50,000",
      "D Elective deferrals to a section 401(k) cash or deferred arrangement (including a SIMPLE "
      "401(k) "
      "arrangement)",
      "E Elective deferrals under a section 403(b) salary reduction agreement",
      "F Elective deferrals under a section 408(k)(6) salary reduction SEP",
      "G Elective deferrals and employer contributions (including nonelective deferrals) to a "
      "section 457(b) "
      "deferred compensation plan (state and local government and tax-exempt employers)",
      "H Elective deferrals to a section 501(c)(18)(D) tax-exempt organization plan",
      "J Nontaxable sick pay",
      "K 20% excise tax on excess golden parachute payments",
      "L Substantiated employee business expense reimbursements (Federal rate)",
      "M Uncollected social security or RRTA tax on cost of group-term life insurance over $50,000 "
      "(for former "
      "employees)",
      "N Uncollected Medicare tax on cost of group-term life insurance over $50,000 (for former "
      "employees)",
      "P Excludable moving expense reimbursements paid directly to employee",
      "Q Military employee basic housing, subsistence, and combat zone compensation",
      "R Employer contributions to a medical savings account (MSA)",
      "S Employee salary reduction contributions under a section 408(p) SIMPLE",
      "T Adoption benefits",
      "V Income from exercise of nonstatutory stock option(s)",
  };
  ASSERT_EQ(Box12CodeLines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Box12CodeLines[i], expected[i]) << i;
}

TEST(Box12Codes, DeferredCompensationCodes) {
  std::string deferred;
  for (int c = 0; c < 256; ++c)
    if (IsDeferredCompensationCode(static_cast<char>(c))) deferred += static_cast<char>(c);
  EXPECT_EQ(deferred, "DEFGHS");
}

// ---------------------------------------------------------------- box 12 rows

TEST(Box12Frame, RowComponents) {
  TFrameBox12Item row;
  EXPECT_TRUE(row.ComboBox1->isEditable());
  QStringList lines;
  for (std::string_view line : Box12CodeLines) lines << QString::fromStdString(std::string(line));
  EXPECT_EQ(Items(*row.ComboBox1), lines);
  EXPECT_EQ(row.ComboBox1->currentText(), "") << "a new row shows no code";
  EXPECT_EQ(row.Label1->text(), "Box 12 Item, Amount for above type");
  EXPECT_TRUE(row.Label1->font().bold());
  EXPECT_TRUE(row.Label1->wordWrap());
  EXPECT_EQ(row.Bevel1->frameShape(), QFrame::HLine);
  EXPECT_EQ(row.Edit1->text(), "");
}

TEST(Box12Frame, ATypedCodeDoesNotJoinTheList) {
  TFrameBox12Item row;
  row.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&row));
  row.ComboBox1->setFocus();
  QTest::keyClicks(row.ComboBox1, "X my own code");
  QTest::keyClick(row.ComboBox1, Qt::Key_Return);
  EXPECT_EQ(row.ComboBox1->count(), 19);
  EXPECT_EQ(row.ComboBox1->currentText(), "X my own code");
}

TEST(PairBox12Code, ShowsTheLineOfTheCode) {
  struct Case {
    const char* field;
    const char* fieldAfter;
    int line;  // the line shown, -1 for none
  };
  const Case cases[] = {
      {"d", "D", 3},  // typed by hand in lower case: upper-cased in the field too
      {"D", "D", 3},  {"A", "A", 0}, {"v", "V", 18},    // the last line
      {" ", " ", -1},                                   // an unused entry
      {"I", "I", -1},                                   // a letter without a code
      {"z", "Z", -1}, {"", "", -1},  {"DE", "DE", -1},  // more than one character: left alone
      {"1", "1", -1},
  };
  TFrameBox12Item row;
  QLineEdit codeField;
  for (const Case& c : cases) {
    row.ComboBox1->setEditText(
        "C Cost of group-term life insurance over $50,000");  // an earlier opening
    codeField.setText(QString::fromLatin1(c.field));
    PairBox12Code(row.ComboBox1, &codeField);
    EXPECT_EQ(codeField.text(), QString::fromLatin1(c.fieldAfter)) << '"' << c.field << '"';
    const QString expected =
        c.line < 0
            ? QString()
            : QString::fromStdString(std::string(Box12CodeLines[static_cast<std::size_t>(c.line)]));
    EXPECT_EQ(row.ComboBox1->currentText(), expected) << '"' << c.field << '"';
    EXPECT_EQ(row.ComboBox1->count(), 19);
  }
}

TEST(PairBox12Code, TheFirstMatchingItemWinsAndTheMatchIsCaseSensitive) {
  QComboBox combo;
  combo.setEditable(true);
  combo.addItems({"d lower case first", "D Upper case", "D Second upper"});
  QLineEdit codeField("d");
  PairBox12Code(&combo, &codeField);
  EXPECT_EQ(codeField.text(), "D");
  EXPECT_EQ(combo.currentText(), "D Upper case");
  EXPECT_EQ(combo.lineEdit()->cursorPosition(), 0) << "the line shows from its code on";
}

TEST(Box12Frame, AChosenLineShowsFromItsCodeOn) {
  TFrameBox12Item row;
  row.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&row));
  row.ComboBox1->setFocus();
  // Choosing G (the longest line) from the list with the keyboard.
  QTest::keyClick(row.ComboBox1, Qt::Key_Down, Qt::AltModifier);
  QWidget* popup = row.ComboBox1->view();
  ASSERT_TRUE(popup->isVisible());
  row.ComboBox1->view()->setCurrentIndex(row.ComboBox1->model()->index(6, 0));
  QTest::keyClick(popup, Qt::Key_Return);
  EXPECT_EQ(row.ComboBox1->currentText().left(2), "G ");
  EXPECT_EQ(row.ComboBox1->lineEdit()->cursorPosition(), 0);
}

TEST(PairBox12Code, AnEmptyListOnlyClearsTheText) {
  QComboBox combo;
  combo.setEditable(true);
  combo.setEditText("old");
  QLineEdit codeField("d");
  PairBox12Code(&combo, &codeField);
  EXPECT_EQ(combo.currentText(), "");
  EXPECT_EQ(codeField.text(), "d");
}

// ---------------------------------------------------------------- box 12 dialog

TEST(SetUpBox12, CaptionRowsAndButtons) {
  TSetUpBox12 dialog;
  EXPECT_EQ(dialog.windowTitle(), "Setup for W-2 Box 12");
  const std::array<TFrameBox12Item*, 4> rows = dialog.Items();
  EXPECT_EQ(rows[0], dialog.FrameBox12Item1);
  EXPECT_EQ(rows[1], dialog.FrameBox12Item2);
  EXPECT_EQ(rows[2], dialog.FrameBox12Item3);
  EXPECT_EQ(rows[3], dialog.FrameBox12Item4);
  for (TFrameBox12Item* row : rows) {
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->ComboBox1->count(), 19);
  }
  EXPECT_EQ(dialog.OKBtn->text(), "OK");
  EXPECT_TRUE(dialog.OKBtn->isDefault());
  EXPECT_EQ(dialog.CancelBtn->text(), "Cancel");
  EXPECT_FALSE(dialog.CancelBtn->isDefault());
  EXPECT_FALSE(dialog.CancelBtn->autoDefault());

  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  // Top to bottom: 12a, 12b, 12c, 12d, then the buttons.
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) EXPECT_LT(rows[i]->y(), rows[i + 1]->y()) << i;
  EXPECT_LT(rows[3]->y(), dialog.OKBtn->y());
  // A fixed size: the user cannot resize it.
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
}

TEST(SetUpBox12, TheFirstCodeHasTheFocusWhenShown) {
  TSetUpBox12 dialog;
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  EXPECT_EQ(QApplication::focusWidget(), dialog.FrameBox12Item1->ComboBox1);
  // And again at the next showing, wherever the focus was left.
  dialog.FrameBox12Item3->Edit1->setFocus();
  ASSERT_EQ(dialog.focusWidget(), dialog.FrameBox12Item3->Edit1);
  dialog.hide();
  dialog.show();
  EXPECT_EQ(dialog.focusWidget(), dialog.FrameBox12Item1->ComboBox1);
}

TEST(SetUpBox12, OkAcceptsCancelAndEscapeReject) {
  TSetUpBox12 dialog;
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  dialog.show();
  QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);

  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);

  // Enter in an amount presses OK.
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  dialog.FrameBox12Item2->Edit1->setFocus();
  QTest::keyClicks(dialog.FrameBox12Item2->Edit1, "1500");
  QTest::keyClick(dialog.FrameBox12Item2->Edit1, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.FrameBox12Item2->Edit1->text(), "1500");
}

}  // namespace
