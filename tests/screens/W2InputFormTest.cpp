// The W-2 screen's layout, how it shows an employee, and the rule of each
// field as the user leaves it.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "data/EntryRules.h"
#include "screens/Box12Frame.h"
#include "screens/DlgW2Box12.h"
#include "screens/FileNavFrame.h"
#include "screens/FormCanvas.h"
#include "screens/W2ScreenLayout.h"
#include "tests/screens/W2ScreenFixture.h"

namespace {

const std::string kSsnSet =
    "Social Security Number will be set to 000-00-0000 (which means SSN not available, an SSA "
    "error)";
const std::string kStateMessage =
    "Expecting 2 uppercase characters representing a VALID State postal abbreviation";

std::string NotANumber(const std::string& typed) {
  return NumberErrorText(typed) +
         ", no more than one period if the number includes decimals, and no more than one minus "
         "sign if "
         "negative.\r\rUnless your entry is changed it will be ignored and the original value of "
         "this field "
         "will be retained as it was before you altered it.";
}

// --- Layout -------------------------------------------------------------------

TEST_F(W2ScreenTest, EveryFieldSitsInItsBoxInTabOrder) {
  AddEmployee("123-45-6780", "Ann", "Lee");
  file->WorkRec.w2.ST1State = "NY";
  ASSERT_TRUE(file->SaveCurrent(false));
  TFormW2& screen = Open();
  EXPECT_EQ(screen.windowTitle(), "W-2 Wage and Tax Statement");

  for (std::string_view name : W2FieldNames()) {
    const QString objectName = QString::fromLatin1(name.data(), static_cast<int>(name.size()));
    QWidget* widget = screen.findChild<QWidget*>(objectName);
    ASSERT_NE(widget, nullptr) << name;
    EXPECT_EQ(widget->parentWidget(), Widget<TFormCanvas>(screen, "Canvas")) << name;
    EXPECT_EQ(widget->geometry(),
              Widget<TFormCanvas>(screen, "Canvas")->ToWidget(W2FieldRect(name)))
        << name;
  }

  // Tabbing from box a through the form reaches all 63 stops in order; none of
  // this employee's fields holds an entry that its rule refuses.
  const QStringList expected = {
      "EditControlNum",     "CheckBoxVoid",      "MaskEditSocSecNum", "EditFirstNameInitial",
      "EditLastName",       "EditSuite",         "EditStreetPOB",     "EditCity",
      "ComboBoxAddrState",  "MaskEditZip",       "EditPostCode",      "ComboBoxCountry",
      "EditWages",          "EditFedTax",        "EditSSWages",       "EditSSTax",
      "EditMedWage",        "EditMedTax",        "EditSSTips",        "EditAllocTips",
      "EditAdvEIC",         "EditDepCare",       "EditNonQualPlans",  "Edit12a_code",
      "Edit12a_amount",     "Edit12b_code",      "Edit12b_amount",    "Edit12c_code",
      "Edit12c_amount",     "Edit12d_code",      "Edit12d_amount",    "CheckBoxStatEmpl",
      "CheckBoxRetirePlan", "CheckBoxTPSickPay", "Edit14a_label",     "Edit14a_amount",
      "Edit14b_label",      "Edit14b_amount",    "Edit14c_label",     "Edit14c_amount",
      "ComboBoxST1State",   "EditST1StateID",    "EditST1StateWage",  "EditST1StateTax",
      "EditST1LocalWage",   "EditST1LocalTax",   "EditST1LocName",    "ComboBoxST2State",
      "EditST2StateID",     "EditST2StateWage",  "EditST2StateTax",   "EditST2LocalWage",
      "EditST2LocalTax",    "EditST2LocName",    "BitBtnIndex",       "BitBtnFirst",
      "BitBtnPrevs",        "BitBtnNext",        "BitBtnLast",        "BitBtnAddNew",
      "BitBtnSetupBox12",   "BitBtnErrorCheck",  "BitBtnDeleteW2",    "BitBtnClose"};
  Widget<QLineEdit>(screen, "EditControlNum")->setFocus(Qt::TabFocusReason);
  QStringList order;
  for (int i = 0; i < expected.size(); ++i) {
    QWidget* focused = QApplication::focusWidget();
    if (qobject_cast<QComboBox*>(focused->parentWidget())) focused = focused->parentWidget();
    order << focused->objectName();
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  EXPECT_EQ(order, expected);
  EXPECT_EQ(boxes.Shown().size(), 0u);
  EXPECT_TRUE(file->WorkRec.SameBytes(file->OrigRec))
      << "leaving unchanged fields changed the record";
}

TEST_F(W2ScreenTest, TheAddressLabelsStayLongTextsShowFromTheStartAndTheTypeIsReadable) {
  AddEmployee("123-45-6780", "Bartholomew", "Featherstonehaugh-Smythe");
  TFormW2& screen = Open();
  const std::pair<QWidget*, const char*> labelled[] = {
      {Widget<QLineEdit>(screen, "EditSuite"), "Suite"},
      {Widget<QLineEdit>(screen, "EditStreetPOB"), "Street / P.O. Box"},
      {Widget<QLineEdit>(screen, "EditCity"), "City"},
      {Widget<QComboBox>(screen, "ComboBoxAddrState"), "State"},
      {Widget<QLineEdit>(screen, "MaskEditZip"), "ZIP code"}};
  for (const auto& [field, caption] : labelled) {
    const QString name =
        field->objectName().replace(QRegularExpression("^(Edit|ComboBox|MaskEdit)"), "Label");
    auto* label = Widget<TFormCanvas>(screen, "Canvas")->findChild<QLabel*>(name);
    ASSERT_NE(label, nullptr) << caption;
    EXPECT_EQ(label->text(), QString::fromLatin1(caption));
    EXPECT_EQ(label->y(), field->y()) << caption;
    EXPECT_GE(label->x(), field->geometry().right()) << caption;
    EXPECT_LE(label->sizeHint().width(), label->width()) << caption;
  }
  EXPECT_EQ(Widget<QLineEdit>(screen, "EditLastName")->cursorPosition(), 0);
  // As wide as 800 x 600 allows; styled fields and a styled drop-down's text follow the form's
  // type.
  screen.FitToWorkArea(QRect(0, 0, 800, 600));
  EXPECT_EQ(screen.width() + kFrameAllowanceWidth, 800);
  EXPECT_EQ(QFontInfo(Widget<QLineEdit>(screen, "EditWages")->font()).pixelSize(),
            Widget<TFormCanvas>(screen, "Canvas")->FieldPixelSize());
  EXPECT_EQ(
      QFontInfo(Widget<QComboBox>(screen, "ComboBoxAddrState")->lineEdit()->font()).pixelSize(),
      Widget<TFormCanvas>(screen, "Canvas")->FieldPixelSize());
}

// Every entry shows whole when the list opens; the long box 12 lines wrap.
TEST_F(W2ScreenTest, DropDownListsShowTheirEntriesInFull) {
  TFormW2& screen = Open();
  screen.FitToWorkArea(QRect(0, 0, 800, 600));
  QComboBox* box12 = screen.Box12Dialog().Items()[0]->ComboBox1;
  for (QComboBox* combo : {Widget<QComboBox>(screen, "ComboBoxST2State"),
                           Widget<QComboBox>(screen, "ComboBoxAddrState"),
                           Widget<QComboBox>(screen, "ComboBoxCountry"), box12}) {
    combo->showPopup();
    const QAbstractItemView* view = combo->view();
    for (int i = 0; i < combo->count(); ++i) {
      const QRect item = view->visualRect(view->model()->index(i, 0));
      const QRect text = view->fontMetrics().boundingRect(QRect(0, 0, item.width() - 8, 1 << 20),
                                                          Qt::TextWordWrap, combo->itemText(i));
      EXPECT_LE(text.width(), item.width() - 8) << combo->itemText(i).toStdString();
      EXPECT_LE(text.height(), combo == box12 ? item.height() : view->fontMetrics().height())
          << combo->itemText(i).toStdString();
    }
    combo->hidePopup();
  }
}

TEST_F(W2ScreenTest, ShowsListsButtonsMasksAndColours) {
  TFormW2& screen = Open();
  ASSERT_EQ(Widget<QComboBox>(screen, "ComboBoxAddrState")->count(), 62);
  ASSERT_EQ(Widget<QComboBox>(screen, "ComboBoxST2State")->count(), 62);
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxCountry")->count(), 262);
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxST1State")->count(), 0);
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxAddrState")->itemText(0), "Alabama");
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxAddrState")->itemText(51),
            "TERRITORIES AND POSSESSIONS");
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxAddrState")->itemText(61), "Contingency Operations");
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxST2State")->itemText(0), "AL");
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxST2State")->itemText(51), "");
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxST2State")->itemText(57), "");
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxST2State")->itemText(61), "AC");
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxCountry")->itemText(0), "Afghanistan");
  EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxCountry")->itemText(261), "Other Countries");
  for (QComboBox* combo :
       {Widget<QComboBox>(screen, "ComboBoxAddrState"),
        Widget<QComboBox>(screen, "ComboBoxCountry"), Widget<QComboBox>(screen, "ComboBoxST1State"),
        Widget<QComboBox>(screen, "ComboBoxST2State")}) {
    EXPECT_TRUE(combo->isEditable());
  }

  const TFrameFileNav& nav = *Widget<TFrameFileNav>(screen, "FrameFileNav1");
  EXPECT_EQ(nav.BitBtnIndex->text(), "Pick from &Index");
  EXPECT_EQ(nav.BitBtnFirst->text(), "&First");
  EXPECT_EQ(nav.BitBtnPrevs->text(), "&Prevs");
  EXPECT_EQ(nav.BitBtnNext->text(), "&Next");
  EXPECT_EQ(nav.BitBtnLast->text(), "&Last");
  EXPECT_EQ(nav.BitBtnAddNew->text(), "&Add New");
  EXPECT_TRUE(nav.BitBtnNext->isDefault());
  EXPECT_EQ(Widget<QPushButton>(screen, "BitBtnSetupBox12")->text(), "Box &12");
  EXPECT_EQ(Widget<QPushButton>(screen, "BitBtnErrorCheck")->text(), "Error &Check");
  EXPECT_EQ(Widget<QPushButton>(screen, "BitBtnClose")->text(), "Cl&ose");
  EXPECT_EQ(Widget<QPushButton>(screen, "BitBtnDeleteW2")->text(), "&Delete W-2");

  // The blank record: the masks show their literals with blanks as spaces.
  EXPECT_EQ(Widget<QLineEdit>(screen, "MaskEditSocSecNum")->displayText(), "   -  -    ");
  EXPECT_EQ(Widget<QLineEdit>(screen, "MaskEditZip")->displayText(), "     -    ");
  EXPECT_EQ(Widget<QLabel>(screen, "LabelForeign")->text(), "Post Code & Country (if not USA)");
  EXPECT_TRUE(Widget<QLineEdit>(screen, "EditWages")->styleSheet().contains("yellow"));
  EXPECT_TRUE(Widget<QComboBox>(screen, "ComboBoxAddrState")->styleSheet().contains("yellow"));
  for (QWidget* foreign : {static_cast<QWidget*>(Widget<QLineEdit>(screen, "EditPostCode")),
                           static_cast<QWidget*>(Widget<QComboBox>(screen, "ComboBoxCountry")),
                           static_cast<QWidget*>(Widget<QLabel>(screen, "LabelForeign"))}) {
    EXPECT_TRUE(foreign->styleSheet().contains("aqua")) << foreign->objectName().toStdString();
  }
  for (QLineEdit* code :
       {Widget<QLineEdit>(screen, "Edit12a_code"), Widget<QLineEdit>(screen, "Edit12b_code"),
        Widget<QLineEdit>(screen, "Edit12c_code"), Widget<QLineEdit>(screen, "Edit12d_code")}) {
    EXPECT_EQ(code->maxLength(), 1);
  }
}

TEST_F(W2ScreenTest, ShowEmployeeFillsEveryFieldFromTheRecords) {
  AddEmployee("123-45-6780", "John", "Smith", Dollars(1234.5));
  W2Record& w2 = Work();
  w2.MiddleInitial = "Q";
  w2.ControlNum = 77;
  w2.Suite = "Apt 2";
  w2.StreetPOB = "5 Elm St";
  w2.City = "Troy";
  w2.AddrState = "New York";
  w2.Zip = "12180-    ";
  w2.PostCode = "SW1";
  w2.Country = "uk";
  w2.FedTax = -Dollars(3);
  w2.SSTax = 620006;
  w2.Box12[1].Code = 'D';
  w2.Box12[1].Amount = Dollars(1500);
  w2.RetirePlan = 1;
  w2.Box14aLabel = "UNION";
  w2.Box14aAmount = Dollars(12.34);
  w2.ST1State = "NY";
  w2.ST1StateID = "NY-1";
  w2.ST1StateWage = Dollars(1234.5);
  w2.ST1LocName = "TROY";
  w2.ST2State = "NJ";
  w2.ST2StateID = "NJ-2";
  w2.ST2LocalTax = Dollars(0.5);
  w2.ST2LocName = "NEWARK";
  ASSERT_TRUE(file->SaveCurrent(false));
  TFormW2& screen = Open();

  EXPECT_EQ(Widget<QLabel>(screen, "Label3")->text(), "2001");
  EXPECT_EQ(Widget<QLabel>(screen, "LabelEmployerID")->text(), "12-3456789");
  EXPECT_EQ(Widget<QLabel>(screen, "LabelEmployerName")->text(), "Acme Tools");
  EXPECT_EQ(Widget<QLabel>(screen, "LabelEmployerAddress1")->text(), "Suite 4");
  EXPECT_EQ(Widget<QLabel>(screen, "LabelEmployerAddress2")->text(), "1 Main St");
  EXPECT_EQ(Widget<QLabel>(screen, "LabelEmployerAddress3")->text(), "Albany");
  EXPECT_EQ(Widget<QLabel>(screen, "LabelEmployerAddress4")->text(), "NY  12207");

  const std::vector<std::pair<QWidget*, QString>> shown = {
      {Widget<QLineEdit>(screen, "EditControlNum"), "77"},
      {Widget<QLineEdit>(screen, "MaskEditSocSecNum"), "123-45-6780"},
      {Widget<QLineEdit>(screen, "EditFirstNameInitial"), "John Q"},
      {Widget<QLineEdit>(screen, "EditLastName"), "Smith"},
      {Widget<QLineEdit>(screen, "EditSuite"), "Apt 2"},
      {Widget<QLineEdit>(screen, "EditStreetPOB"), "5 Elm St"},
      {Widget<QLineEdit>(screen, "EditCity"), "Troy"},
      {Widget<QComboBox>(screen, "ComboBoxAddrState"), "New York"},
      {Widget<QLineEdit>(screen, "MaskEditZip"), "12180-    "},
      {Widget<QLineEdit>(screen, "EditPostCode"), "SW1"},
      {Widget<QComboBox>(screen, "ComboBoxCountry"), "United Kingdom"},
      {Widget<QLineEdit>(screen, "EditWages"), "1234.50"},
      {Widget<QLineEdit>(screen, "EditFedTax"), "-3.00"},
      {Widget<QLineEdit>(screen, "EditSSWages"), "0.00"},
      {Widget<QLineEdit>(screen, "EditSSTax"), "62.00"},
      {Widget<QLineEdit>(screen, "Edit12a_code"), " "},
      {Widget<QLineEdit>(screen, "Edit12a_amount"), "0.00"},
      {Widget<QLineEdit>(screen, "Edit12b_code"), "D"},
      {Widget<QLineEdit>(screen, "Edit12b_amount"), "1500.00"},
      {Widget<QLineEdit>(screen, "Edit14a_label"), "UNION"},
      {Widget<QLineEdit>(screen, "Edit14a_amount"), "12.34"},
      {Widget<QComboBox>(screen, "ComboBoxST1State"), "NY"},
      {Widget<QLineEdit>(screen, "EditST1StateID"), "NY-1"},
      {Widget<QLineEdit>(screen, "EditST1StateWage"), "1234.50"},
      {Widget<QLineEdit>(screen, "EditST1LocName"), "TROY"},
      {Widget<QComboBox>(screen, "ComboBoxST2State"), "NJ"},
      {Widget<QLineEdit>(screen, "EditST2StateID"), "NJ-2"},
      {Widget<QLineEdit>(screen, "EditST2LocalTax"), "0.50"},
      {Widget<QLineEdit>(screen, "EditST2LocName"), "NEWARK"},
  };
  for (const auto& [field, text] : shown)
    EXPECT_EQ(Shown(field), text) << field->objectName().toStdString();
  EXPECT_FALSE(Widget<QCheckBox>(screen, "CheckBoxVoid")->isChecked());
  EXPECT_TRUE(Widget<QCheckBox>(screen, "CheckBoxRetirePlan")->isChecked());
  EXPECT_FALSE(Widget<QCheckBox>(screen, "CheckBoxStatEmpl")->isChecked());
  EXPECT_TRUE(Widget<QPushButton>(screen, "BitBtnErrorCheck")->isEnabled());
  EXPECT_FALSE(screen.AutoFillArmed());
  // A first name without an initial shows with the separating blank.
  EXPECT_TRUE(file->WorkRec.SameBytes(file->OrigRec));
}

TEST_F(W2ScreenTest, ReadsTheRatesOfTheW3TaxYearOnce) {
  TFormW2& screen = Open();
  EXPECT_EQ(screen.YearRates(), PresetRates[3]);
  EXPECT_EQ(screen.YearRates().TaxYear, 2001);
  EXPECT_TRUE(screen.ErrorLines.empty());
}

// --- The automatic fill from box 1 --------------------------------------------

struct FillCase {
  const char* typed;
  const char* box3;
  const char* box4;
  const char* box5;
  const char* box6;
};

TEST_F(W2ScreenTest, LeavingBox1OfABlankEmployeeFillsFromThe2001Rates) {
  for (const FillCase& c : {FillCase{"50000", "50000.00", "3100.00", "50000.00", "725.00"},
                            FillCase{"100000", "80400.00", "4984.80", "100000.00", "1450.00"}}) {
    SCOPED_TRACE(c.typed);
    TFormW2& screen = Open();
    ASSERT_TRUE(screen.AutoFillArmed());
    TypeAndLeave(Widget<QLineEdit>(screen, "EditWages"), c.typed);
    EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditSSWages")), c.box3);
    EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditSSTax")), c.box4);
    EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditMedWage")), c.box5);
    EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditMedTax")), c.box6);
    EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditST1StateWage")), c.typed);
    EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditST1LocalWage")), c.typed);
    EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditWages")), c.typed)
        << "amount fields are not reformatted on leaving";
    const Currency wages = *ParseAmount(c.typed);
    EXPECT_EQ(Work().Wages, wages);
    EXPECT_EQ(FormatAmount(Work().SSWages), c.box3);
    EXPECT_EQ(FormatAmount(Work().SSTax), c.box4);
    EXPECT_EQ(FormatAmount(Work().MedTax), c.box6);
    EXPECT_EQ(Work().ST1StateWage, wages);
    EXPECT_EQ(Work().ST1LocalWage, wages);
    EXPECT_EQ(boxes.Shown().size(), 0u);
    form.reset();
    file->WorkRec = file->OrigRec;
  }
}

TEST_F(W2ScreenTest, TaxProductsKeepFourDecimalsAndShowCents) {
  TFormW2& screen = Open();
  TypeAndLeave(Widget<QLineEdit>(screen, "EditWages"), "1000.01");
  EXPECT_EQ(Work().SSTax, 620006);
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditSSTax")), "62.00");
  // Leaving box 4 unchanged stores what it shows.
  Visit(Widget<QLineEdit>(screen, "EditSSTax"));
  EXPECT_EQ(Work().SSTax, 620000);
  // Box 1 again: only fields that are still zero are filled.
  Work().MedTax = 0;
  Widget<QLineEdit>(screen, "EditMedTax")->setText("0.00");
  TypeAndLeave(Widget<QLineEdit>(screen, "EditWages"), "2000");
  EXPECT_EQ(Work().Wages, Dollars(2000));
  EXPECT_EQ(Work().SSWages, Dollars(1000.01));
  EXPECT_EQ(Work().MedTax, TaxProduct(Dollars(1000.01), 14500));
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditST1StateWage")), "1000.01");
}

TEST_F(W2ScreenTest, WithoutRatesBox1IsCopiedAndTheTaxesStayZero) {
  SetEmployer(2027, "", "");
  TFormW2& screen = Open();
  EXPECT_EQ(screen.YearRates().SocSecMaxWage, 0);
  TypeAndLeave(Widget<QLineEdit>(screen, "EditWages"), "50000");
  EXPECT_EQ(Work().SSWages, Dollars(50000));
  EXPECT_EQ(Work().MedWage, Dollars(50000));
  EXPECT_EQ(Work().ST1StateWage, Dollars(50000));
  EXPECT_EQ(Work().ST1LocalWage, Dollars(50000));
  EXPECT_EQ(Work().SSTax, 0);
  EXPECT_EQ(Work().MedTax, 0);
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditSSWages")), "50000.00");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditSSTax")), "0.00");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditMedTax")), "0.00");
}

TEST_F(W2ScreenTest, NoFillForAnEmployeeWithAnSsnOrEarlierAmounts) {
  struct Case {
    const char* what;
    const char* ssn;
    Currency wages;
    Currency ssWages;
  };
  for (const Case& c :
       {Case{"an SSN", "123-45-6780", 0, 0}, Case{"a box 1 amount", "", Dollars(10), 0},
        Case{"a box 3 amount", "", 0, Dollars(10)}}) {
    SCOPED_TRACE(c.what);
    file = TQuillmarFormFile::Create(dir.File(std::string(c.what) + ".qmr"));
    SetEmployer(2001, "", "");
    ASSERT_TRUE(file->GoFirst());
    Work().SocSecNum = c.ssn;
    Work().Wages = c.wages;
    Work().SSWages = c.ssWages;
    Work().LastName = "Doe";
    ASSERT_TRUE(file->SaveCurrent(false));
    TFormW2& screen = Open();
    EXPECT_FALSE(screen.AutoFillArmed());
    TypeAndLeave(Widget<QLineEdit>(screen, "EditWages"), "50000");
    EXPECT_EQ(Work().Wages, Dollars(50000));
    EXPECT_EQ(Work().SSWages, c.ssWages);
    EXPECT_EQ(Work().SSTax, 0);
    EXPECT_EQ(Work().MedWage, 0);
    EXPECT_EQ(Work().ST1StateWage, 0);
    EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditST1LocalWage")), "0.00");
    form.reset();
    file->WorkRec = file->OrigRec;
  }
}

TEST_F(W2ScreenTest, TinyOrBadBox1FillsNothing) {
  TFormW2& screen = Open();
  TypeAndLeave(Widget<QLineEdit>(screen, "EditWages"), "0.004");
  EXPECT_EQ(Work().Wages, 40);
  EXPECT_EQ(Work().SSWages, 0);
  EXPECT_EQ(Work().ST1StateWage, 0);

  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QLineEdit>(screen, "EditWages"), "50,000");
  EXPECT_EQ(boxes.Texts(), Texts{NotANumber("50,000")});
  EXPECT_EQ(Work().Wages, 40);
  EXPECT_EQ(Work().SSWages, 0);
  EXPECT_EQ(Work().MedWage, 0);
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "EditWages"));
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditWages")), "50,000")
      << "the refused text stays for the user to correct";
}

// --- Text, name, number and code rules ------------------------------------------

TEST_F(W2ScreenTest, NameSplitsIntoFirstNameAndInitial) {
  struct Case {
    const char* typed;
    const char* first;
    const char* initial;
  };
  TFormW2& screen = Open();
  for (const Case& c :
       {Case{"John Q", "John", "Q"}, Case{"Mary Ann B", "Mary", "Ann B"},
        Case{"Mary,Ann B", "Mary", "Ann B"}, Case{"  Mary, Ann B  ", "Mary", "Ann B"},
        Case{"Cher", "Cher", ""}, Case{"Maximiliansmith Q", "Maximiliansmith", "Q"},
        Case{"Bartholomew-Alexander", "Bartholomew-Ale", ""},
        Case{"Al Abcdefghijklmnopqr", "Al", "Abcdefghijklmno"}}) {
    SCOPED_TRACE(c.typed);
    TypeAndLeave(Widget<QLineEdit>(screen, "EditFirstNameInitial"), c.typed);
    EXPECT_EQ(Work().FirstName.Str(), c.first);
    EXPECT_EQ(Work().MiddleInitial.Str(), c.initial);
  }
}

TEST_F(W2ScreenTest, TextFieldsStoreAsTypedCutToCapacity) {
  TFormW2& screen = Open();
  TypeAndLeave(Widget<QLineEdit>(screen, "EditLastName"), " O'Brien-Fitzgerald-Smythe ");
  EXPECT_EQ(Work().LastName.Str(), " O'Brien-Fitzgerald-");
  TypeAndLeave(Widget<QLineEdit>(screen, "Edit14b_label"), "UNIONDUES");
  EXPECT_EQ(Work().Box14bLabel.Str(), "UNIONDU");
  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxAddrState"), "Ontario");
  EXPECT_EQ(Work().AddrState.Str(), "Ontario");
  // Text typed on screen is kept in the records' code page.
  Widget<QLineEdit>(screen, "EditCity")->setFocus(Qt::MouseFocusReason);
  Widget<QLineEdit>(screen, "EditCity")
      ->setText(QString::fromUtf8("Zürich €"));  // as if typed (keyClicks is ASCII only)
  Leave();
  EXPECT_EQ(Work().City.Str(), "Z\xFCrich \x80");
  TypeAndLeave(Widget<QLineEdit>(screen, "EditST1LocName"), "ALBANY");
  EXPECT_EQ(Work().ST1LocName.Str(), "ALBANY");
}

TEST_F(W2ScreenTest, ControlNumberAndBox12CodeRules) {
  TFormW2& screen = Open();
  TypeAndLeave(Widget<QLineEdit>(screen, "EditControlNum"), " 42 ");
  EXPECT_EQ(Work().ControlNum, 42);
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QLineEdit>(screen, "EditControlNum"), "4x");
  EXPECT_EQ(boxes.Texts(),
            Texts{NumberErrorText("4x") + "\r\rUnless your entry is changed it will be ignored and "
                                          "the original value of this field will be retained as "
                                          "it was before you altered it."});
  EXPECT_EQ(Work().ControlNum, 42);
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "EditControlNum"));
  TypeAndLeave(Widget<QLineEdit>(screen, "EditControlNum"), "");
  EXPECT_EQ(Work().ControlNum, 0);

  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12c_code"), "d");
  EXPECT_EQ(Work().Box12[2].Code, 'D');
  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12c_code"), "");
  EXPECT_EQ(Work().Box12[2].Code, ' ');
  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12c_amount"), "12.345");
  EXPECT_EQ(Work().Box12[2].Amount, 123450);
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "Edit12c_amount")), "12.345");
}

TEST_F(W2ScreenTest, CheckBoxesStoreWhenLeftAndVoidFollowsTheErrorCheckButton) {
  AddEmployee("123-45-6780", "Ann", "Lee");
  TFormW2& screen = Open();
  Widget<QCheckBox>(screen, "CheckBoxVoid")->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(Widget<QCheckBox>(screen, "CheckBoxVoid"), Qt::Key_Space);
  EXPECT_EQ(Work().Void, 0) << "stored when the box is left";
  Leave();
  EXPECT_EQ(Work().Void, 1);
  EXPECT_FALSE(Widget<QPushButton>(screen, "BitBtnErrorCheck")->isEnabled());
  Widget<QCheckBox>(screen, "CheckBoxTPSickPay")->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(Widget<QCheckBox>(screen, "CheckBoxTPSickPay"), Qt::Key_Space);
  Leave();
  EXPECT_EQ(Work().TPSickPay, 1);
  EXPECT_EQ(Work().StatEmpl, 0);
}

// --- SSN, ZIP and the foreign address --------------------------------------------

TEST_F(W2ScreenTest, SsnRule) {
  TFormW2& screen = Open();
  // A blank field becomes 000-00-0000, with the message, on every leave.
  boxes.Answer(MsgOk).Answer(MsgOk);
  Visit(Widget<QLineEdit>(screen, "MaskEditSocSecNum"));
  EXPECT_EQ(Work().SocSecNum.Str(), "000-00-0000");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "MaskEditSocSecNum")), "000-00-0000");
  Visit(Widget<QLineEdit>(screen, "MaskEditSocSecNum"));
  EXPECT_EQ(boxes.Texts(), (Texts{kSsnSet, kSsnSet}));
  boxes.Clear();

  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditSocSecNum"), "123456780");
  EXPECT_EQ(Work().SocSecNum.Str(), "123-45-6780");
  EXPECT_TRUE(boxes.Shown().empty());

  // A bad number: the message, the stored number stays, the focus comes back; left as it is, it
  // goes on.
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditSocSecNum"), "66612345");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "MaskEditSocSecNum")), "666-12-345 ");
  EXPECT_EQ(boxes.Texts(), Texts{ValidationMessageText(ValidationKind::SSN)});
  EXPECT_EQ(Work().SocSecNum.Str(), "123-45-6780");
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "MaskEditSocSecNum"));
  EXPECT_EQ(Widget<QLineEdit>(screen, "MaskEditSocSecNum")->selectedText(), "666-12-345 ");
  Leave();
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "EditFirstNameInitial"));
}

TEST_F(W2ScreenTest, ZipRule) {
  TFormW2& screen = Open();
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "12345");
  EXPECT_EQ(Work().Zip.Str(), "12345-    ");
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "123456789");
  EXPECT_EQ(Work().Zip.Str(), "12345-6789");
  // A blank among the first five places: the focus comes back, no message.
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "123");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "MaskEditZip")), "123  -    ");
  EXPECT_EQ(Work().Zip.Str(), "12345-6789");
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "MaskEditZip"));
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "1234567");
  EXPECT_EQ(Work().Zip.Str(), "12345-6789") << "partly filled last four places";
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "");
  EXPECT_EQ(Work().Zip.Str(), "");
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(W2ScreenTest, ForeignAddressWarningsNeverBlockTheEntry) {
  TFormW2& screen = Open();
  // Zip, postal code and country follow each other in tab order.
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "12345");
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QLineEdit>(screen, "EditPostCode"), "K1A 0B1");
  EXPECT_EQ(Work().PostCode.Str(), "K1A 0B1");
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxCountry"), "Canada");
  EXPECT_EQ(Work().Country.Str(), "CA");
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "54321");
  EXPECT_EQ(Work().Zip.Str(), "54321-    ");
  // Going back to the zip leaves the postal code (reached by Tab) again.
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "");
  EXPECT_EQ(Work().Zip.Str(), "");
  TypeAndLeave(Widget<QLineEdit>(screen, "EditPostCode"), "");
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxCountry"), "Atlantis");
  const std::string zipNotForForeign = "US zip code should not be entered for foreign addresses";
  EXPECT_EQ(
      boxes.Texts(),
      (Texts{"As foreign postal code entered do not forget to also enter foreign country",
             zipNotForForeign,
             "As foreign postal code and/or foreign country entered US zip code should be empty",
             zipNotForForeign,
             "As foreign country entered do not forget to also enter foreign postal code"}));
  EXPECT_EQ(Work().Country.Str(), "") << "a name not in the table stores no code";
  EXPECT_EQ(Work().PostCode.Str(), "");
  screen.ShowEmployee();
  EXPECT_EQ(Shown(Widget<QComboBox>(screen, "ComboBoxCountry")), "")
      << "an unknown country is gone when shown again";
}

// --- State lines ---------------------------------------------------------------------

TEST_F(W2ScreenTest, StateLineRules) {
  TFormW2& screen = Open();
  boxes.Answer(MsgOk);
  Visit(Widget<QComboBox>(screen, "ComboBoxST1State"));
  EXPECT_EQ(boxes.Texts(), Texts{kStateMessage});
  QWidget* focused = QApplication::focusWidget();
  EXPECT_TRUE(focused == Widget<QComboBox>(screen, "ComboBoxST1State") ||
              focused->parentWidget() == Widget<QComboBox>(screen, "ComboBoxST1State"));
  EXPECT_EQ(Work().ST1State.Str(), "");
  boxes.Clear();

  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxST1State"), "ny");
  EXPECT_EQ(Work().ST1State.Str(), "NY");
  EXPECT_EQ(Shown(Widget<QComboBox>(screen, "ComboBoxST1State")), "NY");

  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxST2State"), "nj");
  EXPECT_EQ(Work().ST2State.Str(), "NJ");
  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxST2State"), "  ");
  EXPECT_EQ(Work().ST2State.Str(), "");
  EXPECT_TRUE(boxes.Shown().empty()) << "an empty line 2 state is accepted";

  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QLineEdit>(screen, "EditST2StateID"), " 55-1 ");
  EXPECT_EQ(Work().ST2StateID.Str(), "55-1");
  EXPECT_EQ(
      boxes.Texts(),
      Texts{"You have a State ID Number on State Line 2, but no State selected to the left of "
            "it. One of those entries is an error."});
  focused = QApplication::focusWidget();
  EXPECT_TRUE(focused == Widget<QComboBox>(screen, "ComboBoxST2State") ||
              focused->parentWidget() == Widget<QComboBox>(screen, "ComboBoxST2State"));
  boxes.Clear();

  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxST2State"), "XX");
  EXPECT_EQ(boxes.Texts(), Texts{kStateMessage});
  EXPECT_EQ(Work().ST2State.Str(), "");
}

TEST_F(W2ScreenTest, StateLine1DefaultsToTheEmployersState) {
  struct Case {
    const char* stateForID;
    const char* employeeState;
    const char* shownState;
    const char* shownID;
    bool stateEnabled;
    bool idEnabled;
  };
  for (const Case& c :
       {Case{"NY", "", "NY", "NY-7788", false, false},
        Case{"NY", "NJ", "NJ", "NY-7788", true, false}, Case{"X", "", "", "", true, true}}) {
    SCOPED_TRACE(std::string(c.stateForID) + "/" + c.employeeState);
    file = TQuillmarFormFile::Create(
        dir.File(std::string("defaults") + c.stateForID + c.employeeState + ".qmr"));
    SetEmployer(2001, c.stateForID, "NY-7788");
    AddEmployee("123-45-6780", "Ann", "Lee");
    Work().ST1State = c.employeeState;
    ASSERT_TRUE(file->SaveCurrent(false));
    TFormW2& screen = Open();
    EXPECT_EQ(Shown(Widget<QComboBox>(screen, "ComboBoxST1State")), c.shownState);
    EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditST1StateID")), c.shownID);
    EXPECT_EQ(Widget<QComboBox>(screen, "ComboBoxST1State")->isEnabled(), c.stateEnabled);
    EXPECT_EQ(Widget<QLineEdit>(screen, "EditST1StateID")->isEnabled(), c.idEnabled);
    EXPECT_EQ(Work().ST1State.Str(), c.shownState);
    EXPECT_EQ(Work().ST1StateID.Str(), c.shownID);
    // The defaults are a change of the record, offered for saving.
    EXPECT_EQ(file->WorkRec.SameBytes(file->OrigRec), std::string(c.stateForID) == "X");
    form.reset();
    file->WorkRec = file->OrigRec;
  }
}

TEST_F(W2ScreenTest, DropDownsKeepTheTextAsTypedWithoutCompletingIt) {
  TFormW2& screen = Open();
  // The beginning of an entry of the list is no entry of the list.
  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxAddrState"), "New");
  EXPECT_EQ(Work().AddrState.Str(), "New");
  EXPECT_EQ(Shown(Widget<QComboBox>(screen, "ComboBoxAddrState")), "New");

  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxCountry"), "Ca");
  EXPECT_EQ(boxes.Texts(),
            Texts{"As foreign country entered do not forget to also enter foreign postal code"});
  EXPECT_EQ(Shown(Widget<QComboBox>(screen, "ComboBoxCountry")), "Ca");
  EXPECT_EQ(Work().Country.Str(), "") << "no country of that name";
  boxes.Clear();

  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxST2State"), "N");
  EXPECT_EQ(boxes.Texts(), Texts{kStateMessage});
  EXPECT_EQ(Work().ST2State.Str(), "");
  EXPECT_EQ(Shown(Widget<QComboBox>(screen, "ComboBoxST2State")), "N");
  QWidget* focused = QApplication::focusWidget();
  EXPECT_TRUE(focused == Widget<QComboBox>(screen, "ComboBoxST2State") ||
              focused->parentWidget() == Widget<QComboBox>(screen, "ComboBoxST2State"));
}

TEST_F(W2ScreenTest, StateLine1IsLockedOnlyWhenItMatchesTheEmployerExactly) {
  // The employer's state typed in lower case is still a state of the table;
  // an employee's line 1 in upper case is then another value.
  SetEmployer(2001, "ny", "ab-1");
  AddEmployee("123-45-6780", "Ann", "Lee");
  Work().ST1State = "NY";
  Work().ST1StateID = "AB-1";
  ASSERT_TRUE(file->SaveCurrent(false));
  AddEmployee("123-45-6781", "Bo", "Lee");
  TFormW2& screen = Open();
  EXPECT_EQ(Shown(Widget<QComboBox>(screen, "ComboBoxST1State")), "NY");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditST1StateID")), "AB-1");
  EXPECT_TRUE(Widget<QComboBox>(screen, "ComboBoxST1State")->isEnabled());
  EXPECT_TRUE(Widget<QLineEdit>(screen, "EditST1StateID")->isEnabled());
  EXPECT_TRUE(file->WorkRec.SameBytes(file->OrigRec));

  // The next employee has no line 1 yet: it takes the employer's values as
  // they are. (Nothing changed on the first one: no save question.)
  QTest::mouseClick(Widget<TFrameFileNav>(screen, "FrameFileNav1")->BitBtnNext, Qt::LeftButton);
  EXPECT_EQ(Work().FirstName.Str(), "Bo");
  EXPECT_EQ(Work().ST1State.Str(), "ny");
  EXPECT_EQ(Work().ST1StateID.Str(), "ab-1");
  EXPECT_EQ(Shown(Widget<QComboBox>(screen, "ComboBoxST1State")), "ny");
  EXPECT_FALSE(Widget<QComboBox>(screen, "ComboBoxST1State")->isEnabled());
  EXPECT_FALSE(Widget<QLineEdit>(screen, "EditST1StateID")->isEnabled());
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(W2ScreenTest, AZipWithAForeignAddressWarnsBeforeItIsChecked) {
  TFormW2& screen = Open();
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QComboBox>(screen, "ComboBoxCountry"), "Canada");
  boxes.Clear();
  // Refused after the warning, without a message of its own.
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "123");
  EXPECT_EQ(
      boxes.Texts(),
      Texts{"As foreign postal code and/or foreign country entered US zip code should be empty"});
  EXPECT_EQ(Work().Zip.Str(), "");
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "MaskEditZip"));
  boxes.Clear();
  // Accepted after the warning.
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "12345");
  EXPECT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(Work().Zip.Str(), "12345-    ");
  boxes.Clear();
  // A blank ZIP is emptied before any warning.
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "");
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(Work().Zip.Str(), "");
}

TEST_F(W2ScreenTest, TheMedicareWageBaseLimitsBox5WhenTheYearHasOne) {
  SocSecMedicareRates rates;
  rates.TaxYear = 1992;
  rates.SocSecMaxWage = Dollars(55500);
  rates.SocSecRate = 62000;
  rates.MedicareMaxWage = Dollars(130200);
  rates.MedicareRate = 14500;
  rates.MedicareHasMaxWage = true;
  ASSERT_TRUE(registry.WriteRatesForYear(rates));
  SetEmployer(1992, "", "");
  TFormW2& screen = Open();
  TypeAndLeave(Widget<QLineEdit>(screen, "EditWages"), "200000");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditSSWages")), "55500.00");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditSSTax")), "3441.00");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditMedWage")), "130200.00");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "EditMedTax")), "1887.90");
  EXPECT_EQ(Work().MedWage, Dollars(130200));
  form.reset();
  file->WorkRec = file->OrigRec;

  // Below the base box 5 takes box 1.
  TFormW2& again = Open();
  TypeAndLeave(Widget<QLineEdit>(again, "EditWages"), "1000");
  EXPECT_EQ(Shown(Widget<QLineEdit>(again, "EditMedWage")), "1000.00");
  EXPECT_EQ(Shown(Widget<QLineEdit>(again, "EditMedTax")), "14.50");
}

}  // namespace

namespace {

// At 1024 x 768 the form is small: every caption still ends above the fields
// of its box, descenders included, and every field carries its box's name.
TEST_F(W2ScreenTest, AtTenTwentyFourByGSevenSixtyEightNoCaptionReachesItsFields) {
  TFormW2& screen = Open();
  screen.FitToWorkArea(QRect(0, 0, 1024, 768));
  const TFormCanvas& canvas = *Widget<TFormCanvas>(screen, "Canvas");
  ASSERT_LT(canvas.Scale(), 130.0);
  QFont caption(QStringLiteral("Liberation Sans"));
  caption.setPixelSize(canvas.CaptionPixelSize());
  const int captionBottom = QFontMetrics(caption).height();
  for (const W2LayoutRow& row : W2Layout()) {
    if (*row.widget == '\0' || row.line <= 1) continue;  // the top row's captions stand beside
    const QWidget* field = Widget<QWidget>(screen, row.widget);
    const QRect box = canvas.ToWidget(*W2BoxRect(row.box));
    EXPECT_LE(box.top() + 1 + captionBottom, field->geometry().top()) << row.widget;
    EXPECT_FALSE(field->accessibleName().isEmpty()) << row.widget;
  }
  EXPECT_EQ(Widget<QLineEdit>(screen, "EditWages")->accessibleName(),
            "Box 1 Wages, tips, other compensation");
  for (const char* button : {"BitBtnErrorCheck", "BitBtnDeleteW2", "BitBtnClose"}) {
    const auto* b = Widget<QPushButton>(screen, button);
    EXPECT_GE(b->width(), b->sizeHint().width() - 8) << button << ": its caption is cut";
  }
}

}  // namespace
