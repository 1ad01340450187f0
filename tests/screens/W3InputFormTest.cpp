// The W-3 screen on an offscreen window, driven as a user drives it: typing,
// leaving fields, the kind-of-payer dialog, OK, Cancel and the close box, on
// a real data file in a temporary folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <set>

#include "data/Currency.h"
#include "data/EntryRules.h"
#include "data/QuillmarFormFile.h"
#include "data/SocSecMedicareRates.h"
#include "rules/SumToW3.h"
#include "screens/DlgSocSecMed.h"
#include "screens/DlgW3PayerKind.h"
#include "screens/FileQuestions.h"
#include "screens/FormCanvas.h"
#include "screens/W3InputForm.h"
#include "screens/W3ScreenLayout.h"
#include "settings/QuillmarRegistry.h"
#include "settings/RateTableSeeding.h"
#include "tests/screens/W3ScreenTyping.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

std::string YearQuestion(int year) {
  const std::string y = std::to_string(year);
  return "You have set Tax Year to " + y +
         ", be certain this is correct as system clock is set to 2003 and Tax Year is usually "
         "either one less or "
         "sometimes the same year.\r\rIs " +
         y + " correct?  Click \"Yes\" if OK, or \"No\" to change";
}

const char* const kEMailWarning = "Check EMail address, format may be invalid";
const char* const kBox13Warning =
    "Your Kind of Payer setting says you do not have any Third Party Sick Pay yet there is an "
    "entry in Box 13 "
    "(For Third Party Sick Pay use only)";

class W3Screen : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedPresetRates(registry);
    file = TQuillmarFormFile::Create(path);
  }

  // The W-3 record as an earlier session saved it.
  void StoreW3(const std::function<void(W3Record&)>& fill) {
    ASSERT_TRUE(file->ReadW3());
    fill(file->WorkRec.w3);
    ASSERT_TRUE(file->SaveCurrent(false));
  }
  void StoreCompleteW3() {
    StoreW3([](W3Record& w3) {
      w3.TaxYear = 2002;
      w3.EmployerEIN = "12-3456789";
      w3.EmployerName = "Acme Tools";
    });
  }

  // A change a test leaves in the working record is not offered for saving when the file closes.
  void TearDown() override {
    if (file) file->WorkRec = file->OrigRec;
  }

  // Opens the screen as the main window does: totals, ReadW3, the screen.
  std::unique_ptr<TFormW3> Open() {
    SumToW3(*file);
    EXPECT_TRUE(file->ReadW3());
    auto form = std::make_unique<TFormW3>(*file, registry);
    form->RunModal = [](QDialog& dialog) {
      ADD_FAILURE() << "unexpected dialog " << dialog.windowTitle().toStdString();
      return int(QDialog::Rejected);
    };
    ShowActive(*form);
    return form;
  }

  W3Record& Work() { return file->WorkRec.w3; }
  static QWidget* Focus() { return QApplication::focusWidget(); }

  TempDir dir;
  FixedClock clock{FixedClock::LocalNoon(2003, 6, 15)};
  ScriptedMessageBoxes boxes;
  TQuillmarRegistry registry{dir.Path() / "config"};
  std::string path = dir.File("acme.qmr");
  std::unique_ptr<TQuillmarFormFile> file;
};

}  // namespace

TEST_F(W3Screen, ShowsTheFormWithItsCaptionsListsMasksAndTabOrder) {
  const auto form = Open();
  EXPECT_EQ(form->windowTitle(), "W-3 Transmittal of Wage and Tax Statements");
  EXPECT_EQ(form->ClockYear(), 2003);
  EXPECT_EQ(Widget<QPushButton>(*form, "ButtonSSMedcareRates")->text(),
            "0 Soc.Sec. && Medicare Rates");
  EXPECT_EQ(Widget<QPushButton>(*form, "ButtonPayer")->text(), "Set or Change Kind");
  EXPECT_EQ(Widget<QPushButton>(*form, "BitBtnOK")->text(), "OK");
  EXPECT_TRUE(Widget<QPushButton>(*form, "BitBtnOK")->isDefault());
  EXPECT_EQ(Widget<QPushButton>(*form, "BitBtnCancel")->text(), "Cancel");
  EXPECT_EQ(Widget<QLabel>(*form, "LabelStateHint")->text(),
            " If multiple W-2 States, State = X and leave State ID# empty ");
  EXPECT_EQ(Widget<QLabel>(*form, "LabelKindofPayer")->text(), "941");
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditTaxWheldTPSickPay")->text(), "0.00");
  EXPECT_EQ(Widget<QLabel>(*form, "LabelWagesTips")->text(), "0.00");
  EXPECT_TRUE(Widget<QLineEdit>(*form, "EditTaxYear")->font().bold());

  // Masked fields show their literals and blanks.
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditEmployerFedID")->displayText(), "  -       ");
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditOtherEIN")->displayText(), "  -       ");
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditZip")->displayText(), "     -    ");
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditPhone")->displayText(), "(   )   -    ");
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditFax")->displayText(), "(   )   -    ");

  // "X" and the state table's abbreviations (its two heading rows give empty
  // entries); the names of the same rows.
  ASSERT_EQ(Widget<QComboBox>(*form, "ComboBoxStateForID")->count(), 63);
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxStateForID")->itemText(0), "X");
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxStateForID")->itemText(1), "AL");
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxStateForID")->itemText(52), "");
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxStateForID")->itemText(62), "AC");
  ASSERT_EQ(Widget<QComboBox>(*form, "ComboBoxState")->count(), 62);
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxState")->itemText(0), "Alabama");
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxState")->itemText(51), "TERRITORIES AND POSSESSIONS");
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxState")->itemText(57), "MILITARY POST OFFICES");
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxState")->itemText(59),
            "Canada, Europe, Africa and the Middle East");

  // Tab order, as the focus chain runs.
  const std::vector<QWidget*> expected = {Widget<QLineEdit>(*form, "EditTaxYear"),
                                          Widget<QPushButton>(*form, "ButtonSSMedcareRates"),
                                          Widget<QLineEdit>(*form, "EditControlNum"),
                                          Widget<QPushButton>(*form, "ButtonPayer"),
                                          Widget<QLineEdit>(*form, "EditEstablishment"),
                                          Widget<QLineEdit>(*form, "MaskEditEmployerFedID"),
                                          Widget<QLineEdit>(*form, "EditEmployerName"),
                                          Widget<QLineEdit>(*form, "EditSuite"),
                                          Widget<QLineEdit>(*form, "EditStreet"),
                                          Widget<QLineEdit>(*form, "EditTown"),
                                          Widget<QComboBox>(*form, "ComboBoxState"),
                                          Widget<QLineEdit>(*form, "MaskEditZip"),
                                          Widget<QLineEdit>(*form, "MaskEditOtherEIN"),
                                          Widget<QComboBox>(*form, "ComboBoxStateForID"),
                                          Widget<QLineEdit>(*form, "EditStateID"),
                                          Widget<QLineEdit>(*form, "EditContact"),
                                          Widget<QLineEdit>(*form, "MaskEditPhone"),
                                          Widget<QLineEdit>(*form, "EditEMail"),
                                          Widget<QLineEdit>(*form, "MaskEditFax"),
                                          Widget<QLineEdit>(*form, "EditTPSickPayUseOnly"),
                                          Widget<QLineEdit>(*form, "EditTaxWheldTPSickPay"),
                                          Widget<QPushButton>(*form, "BitBtnOK"),
                                          Widget<QPushButton>(*form, "BitBtnCancel")};
  const std::set<QWidget*> members(expected.begin(), expected.end());
  std::vector<QWidget*> chain;
  for (QWidget* w = Widget<QLineEdit>(*form, "EditTaxYear"); chain.size() < expected.size();
       w = w->nextInFocusChain()) {
    if (members.count(w)) chain.push_back(w);
  }
  EXPECT_EQ(chain, expected);

  // Every control sits in its place on the form picture.
  for (const W3ControlPlace& place : W3ControlPlaces()) {
    const auto* widget =
        Widget<TFormCanvas>(*form, "Canvas")
            ->findChild<QWidget*>(QString::fromLatin1(place.control.data(), place.control.size()));
    ASSERT_NE(widget, nullptr) << place.control;
    EXPECT_EQ(widget->geometry(), Widget<TFormCanvas>(*form, "Canvas")->ToWidget(place.rect))
        << place.control;
  }
  // Entries are yellow, totals white.
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditEmployerName")->palette().color(QPalette::Base),
            QColor(255, 255, 160));
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxState")->palette().color(QPalette::Base),
            QColor(255, 255, 160));
  EXPECT_TRUE(Widget<QLabel>(*form, "LabelWagesTips")->autoFillBackground());
  EXPECT_EQ(Widget<QLabel>(*form, "LabelWagesTips")->palette().color(QPalette::Window),
            QColor(Qt::white));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(W3Screen, OpensAsLargeAsTheWorkAreaAllowsReadableAtAnySize) {
  const auto form = Open();
  const FormPicture& picture = Widget<TFormCanvas>(*form, "Canvas")->Picture();
  ASSERT_EQ(picture.boxes.at(12).caption, "Contact person");
  for (const QRect& area :
       {QRect(0, 0, 800, 600), QRect(0, 0, 1280, 1024), QRect(0, 30, 1920, 1050), QRect()}) {
    // The last, empty area: the smallest size the screen can be made.
    form->FitToWorkArea(area);
    const QRect framed(form->pos(),
                       form->size() + QSize(kFrameAllowanceWidth, kFrameAllowanceHeight));
    if (!area.isNull()) {
      EXPECT_TRUE(area.contains(framed)) << framed.width() << " x " << framed.height();
      EXPECT_TRUE(framed.width() >= area.width() - 2 || framed.height() >= area.height() - 2)
          << "the largest";
      EXPECT_NEAR(double(form->width()) / form->height(), (picture.cols / 10) / (picture.lines / 6),
                  0.01);
    }
    const QLabel* hint = Widget<QLabel>(*form, "LabelStateHint");
    EXPECT_GE(Widget<TFormCanvas>(*form, "Canvas")->CaptionPixelSize(), SmallFontPixelSize());
    EXPECT_GE(QFontInfo(hint->font()).pixelSize(), SmallFontPixelSize());
    EXPECT_LE(hint->heightForWidth(hint->width()), hint->height());
    EXPECT_LE(hint->geometry().bottom(),
              Widget<TFormCanvas>(*form, "Canvas")->ToWidget(picture.boxes.at(12).rect).top());
    EXPECT_TRUE(Widget<TFormCanvas>(*form, "Canvas")
                    ->rect()
                    .contains(Widget<QPushButton>(*form, "BitBtnCancel")->geometry()));
  }
}

TEST_F(W3Screen, ShowsTheStoredEntriesAndTheTotalsOfTheNonVoidW2s) {
  // Two employees, one of them void.
  ASSERT_TRUE(file->GoFirst());
  W2Record& w2 = file->WorkRec.w2;
  w2.SocSecNum = "001-01-0001";
  w2.LastName = "Able";
  w2.Wages = Cents(100000);
  w2.FedTax = Cents(200);
  w2.SSWages = Cents(300);
  w2.SSTax = Cents(400);
  w2.MedWage = Cents(500);
  w2.MedTax = Cents(600);
  w2.SSTips = Cents(700);
  w2.AllocTips = Cents(800);
  w2.AdvEIC = Cents(900);
  w2.DepCare = Cents(1000);
  w2.NonQualPlans = Cents(1100);
  w2.Box12[0].Code = 'D';
  w2.Box12[0].Amount = Cents(1200);
  w2.Box12[1].Code = 'C';
  w2.Box12[1].Amount = Cents(5000);
  w2.ST1StateWage = Cents(1600);
  w2.ST2StateWage = Cents(50);
  w2.ST1StateTax = Cents(1700);
  w2.ST1LocalWage = Cents(1800);
  w2.ST2LocalTax = Cents(1925);
  ASSERT_TRUE(file->SaveCurrent(false));
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  file->WorkRec.w2.SocSecNum = "002-02-0002";
  file->WorkRec.w2.LastName = "Void";
  file->WorkRec.w2.Void = true;
  file->WorkRec.w2.Wages = Cents(99900);
  ASSERT_TRUE(file->SaveCurrent(false));
  StoreW3([](W3Record& w3) {
    w3.TaxYear = 2002;
    w3.ControlNum = 77;
    w3.KindOfPayer = 3;
    w3.TPSickPayKind = 1;
    w3.Establishment = "E1";
    w3.EmployerEIN = "12-3456789";
    w3.EmployerName = "Caf\xe9 Acme";
    w3.Suite = "Suite 5";
    w3.Street = "1 Main St";
    w3.Town = "Springfield";
    w3.State = "Illinois";
    w3.Zip = "62701-1234";
    w3.OtherEIN = "98-7654321";
    w3.StateForID = "IL";
    w3.StateID = "IL-555";
    w3.Contact = "Jo Payroll";
    w3.Phone = "(217)555-0100";
    w3.EMail = "jo@acme.com";
    w3.Fax = "(217)555-0101";
    w3.TPSickPayUseOnly = "see note";
    w3.TaxWheldTPSickPay = Cents(1250);
  });
  const std::string before = FileBytes(path);
  const auto form = Open();
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditTaxYear")->text(), "2002");
  EXPECT_EQ(Widget<QPushButton>(*form, "ButtonSSMedcareRates")->text(),
            "2002 Soc.Sec. && Medicare Rates");
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditControlNum")->text(), "77");
  EXPECT_EQ(Widget<QLabel>(*form, "LabelKindofPayer")->text(),
            "CT-1 (Railroad) + Third-party sick pay");
  EXPECT_EQ(Widget<TDlgKindOfPayer>(*form, "DlgKindOfPayer")->KindOfPayerIndex(), 3);
  EXPECT_EQ(Widget<TDlgKindOfPayer>(*form, "DlgKindOfPayer")->TPSickPayIndex(), 1);
  EXPECT_EQ(Widget<QLabel>(*form, "LabelW2Count")->text(), "1");
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditEstablishment")->text(), "E1");
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditEmployerFedID")->displayText(), "12-3456789");
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditEmployerName")->text(),
            QString::fromUtf8("Caf\u00e9 Acme"));
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditSuite")->text(), "Suite 5");
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditStreet")->text(), "1 Main St");
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditTown")->text(), "Springfield");
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxState")->currentText(), "Illinois");
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditZip")->displayText(), "62701-1234");
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditOtherEIN")->displayText(), "98-7654321");
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxStateForID")->currentText(), "IL");
  EXPECT_TRUE(Widget<QLineEdit>(*form, "EditStateID")->isEnabled());
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditStateID")->text(), "IL-555");
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditContact")->text(), "Jo Payroll");
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditPhone")->displayText(), "(217)555-0100");
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditEMail")->text(), "jo@acme.com");
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditFax")->displayText(), "(217)555-0101");
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditTPSickPayUseOnly")->text(), "see note");
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditTaxWheldTPSickPay")->text(), "12.50");
  const std::pair<QLabel*, const char*> totals[] = {
      {Widget<QLabel>(*form, "LabelWagesTips"), "1000.00"},
      {Widget<QLabel>(*form, "LabelFedTax"), "2.00"},
      {Widget<QLabel>(*form, "LabelSSWages"), "3.00"},
      {Widget<QLabel>(*form, "LabelSSTax"), "4.00"},
      {Widget<QLabel>(*form, "LabelMedWagesTips"), "5.00"},
      {Widget<QLabel>(*form, "LabelMedTax"), "6.00"},
      {Widget<QLabel>(*form, "LabelSSTips"), "7.00"},
      {Widget<QLabel>(*form, "LabelAllocTips"), "8.00"},
      {Widget<QLabel>(*form, "LabelAdvEIC"), "9.00"},
      {Widget<QLabel>(*form, "LabelDepCareBen"), "10.00"},
      {Widget<QLabel>(*form, "LabelNonQualPlans"), "11.00"},
      {Widget<QLabel>(*form, "LabelDefComp"), "12.00"},
      {Widget<QLabel>(*form, "LabelStateWagesTips"), "16.50"},
      {Widget<QLabel>(*form, "LabelStateIncTax"), "17.00"},
      {Widget<QLabel>(*form, "LabelLocWagesTips"), "18.00"},
      {Widget<QLabel>(*form, "LabelLocIncTax"), "19.25"},
  };
  for (const auto& [label, text] : totals)
    EXPECT_EQ(label->text(), text) << label->objectName().toStdString();

  // OK without a change writes nothing.
  const std::string afterTotals = FileBytes(path);
  QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnOK"), Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(FileBytes(path), afterTotals);
  EXPECT_NE(before, afterTotals) << "the totals were saved before the screen opened";
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(W3Screen, TheTaxYearIsVerifiedAgainstTheClockOnLeavingTheField) {
  const auto form = Open();
  struct Case {
    const char* typed;
    bool asks;
  };
  for (const Case c :
       {Case{"2002", false}, Case{"2003", false}, Case{"2001", true}, Case{"2004", true}}) {
    SCOPED_TRACE(c.typed);
    boxes.Clear();
    if (c.asks) boxes.Answer(MsgYes);
    TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTaxYear"), c.typed);
    const int year = std::stoi(c.typed);
    if (c.asks) {
      ASSERT_EQ(boxes.Shown().size(), 1u);
      EXPECT_EQ(boxes.Shown()[0].caption, "Verification of Tax Year");
      EXPECT_EQ(boxes.Shown()[0].text, YearQuestion(year));
      EXPECT_EQ(boxes.Shown()[0].icon, MsgIcon::Question);
      EXPECT_EQ(boxes.Shown()[0].buttons, unsigned(MsgYes | MsgNo));
    } else {
      EXPECT_TRUE(boxes.Shown().empty());
    }
    EXPECT_EQ(Work().TaxYear, year);
    EXPECT_EQ(Widget<QPushButton>(*form, "ButtonSSMedcareRates")->text(),
              QString::fromUtf8(c.typed) + " Soc.Sec. && Medicare Rates");
    EXPECT_FALSE(Widget<QLineEdit>(*form, "EditTaxYear")->isModified());
  }

  // No: the year must be changed; the focus goes back and nothing is stored.
  boxes.Clear();
  boxes.Answer(MsgNo);
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTaxYear"), "1999");
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{YearQuestion(1999)});
  EXPECT_EQ(Focus(), Widget<QLineEdit>(*form, "EditTaxYear"));
  EXPECT_EQ(Work().TaxYear, 2004);
  EXPECT_EQ(Widget<QPushButton>(*form, "ButtonSSMedcareRates")->text(),
            "2004 Soc.Sec. && Medicare Rates");
  EXPECT_TRUE(Widget<QLineEdit>(*form, "EditTaxYear")->isModified());

  // Leaving without touching the field again asks again.
  boxes.Answer(MsgYes);
  Leave(*form);
  EXPECT_EQ(Work().TaxYear, 1999);

  // Not a number: the whole-number rule reports it and keeps the year.
  boxes.Clear();
  boxes.Answer(MsgOk);
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTaxYear"), "20o3");
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text.rfind(NumberErrorText("20o3"), 0), 0u) << boxes.Shown()[0].text;
  EXPECT_EQ(Work().TaxYear, 1999);
  EXPECT_EQ(Focus(), Widget<QLineEdit>(*form, "EditTaxYear"));
  EXPECT_EQ(Widget<QPushButton>(*form, "ButtonSSMedcareRates")->text(),
            "1999 Soc.Sec. && Medicare Rates");
}

TEST_F(W3Screen, OkVerifiesTheTaxYearAndNoKeepsTheScreenOpen) {
  StoreW3([](W3Record& w3) {
    w3.TaxYear = 2004;
    w3.EmployerName = "Acme";
  });
  const auto form = Open();
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditEmployerName"), "Acme Tools");
  const std::string before = FileBytes(path);
  boxes.Answer(MsgNo);
  QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnOK"), Qt::LeftButton);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{YearQuestion(2004)});
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Focus(), Widget<QLineEdit>(*form, "EditTaxYear"));
  EXPECT_EQ(FileBytes(path), before);

  boxes.Answer(MsgYes);
  QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnOK"), Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->result(), QDialog::Accepted);
  const W3Record onDisk = RecordOnDisk(path, 1).w3;
  EXPECT_EQ(onDisk.EmployerName.Str(), "Acme Tools");
  EXPECT_EQ(onDisk.TaxYear, 2004);
}

TEST_F(W3Screen, EnterInTheTaxYearRunsItsRuleBeforeOk) {
  StoreCompleteW3();
  const auto form = Open();
  Type(Widget<QLineEdit>(*form, "EditTaxYear"), "2004");
  // The year typed is verified once on its own and once more by OK; No on
  // the first keeps the screen open with the typed year unsaved.
  boxes.Answer(MsgNo);
  QTest::keyClick(Widget<QLineEdit>(*form, "EditTaxYear"), Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{YearQuestion(2004)});
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(RecordOnDisk(path, 1).w3.TaxYear, 2002);
  boxes.Answer(MsgYes).Answer(MsgYes);
  QTest::keyClick(Widget<QLineEdit>(*form, "EditTaxYear"), Qt::Key_Return);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(RecordOnDisk(path, 1).w3.TaxYear, 2004);
}

TEST_F(W3Screen, TheKindOfPayerDialogSetsTheLabelAndOkStoresIt) {
  StoreCompleteW3();
  const auto form = Open();
  // The dialog as the user drives it: choose, then OK or Cancel.
  TFormW3* screen = form.get();
  auto choose = [screen](int tpSickPay, int kind, bool ok) {
    screen->RunModal = [=](QDialog& shown) {
      auto& dialog = dynamic_cast<TDlgKindOfPayer&>(shown);
      EXPECT_EQ(&dialog, Widget<TDlgKindOfPayer>(*screen, "DlgKindOfPayer"));
      ShowActive(dialog);
      QTest::mouseClick(dialog.TPSickPayButtons[tpSickPay], Qt::LeftButton);
      if (kind >= 0) QTest::mouseClick(dialog.KindOfPayerButtons[kind], Qt::LeftButton);
      QTest::mouseClick(ok ? Widget<QPushButton>(dialog, "BitBtnOK")
                           : Widget<QPushButton>(dialog, "BitBtnCancel"),
                        Qt::LeftButton);
      return dialog.result();
    };
    QTest::mouseClick(Widget<QPushButton>(*screen, "ButtonPayer"), Qt::LeftButton);
  };
  choose(2, -1, true);
  EXPECT_EQ(Widget<QLabel>(*form, "LabelKindofPayer")->text(), "Third-party sick pay");
  choose(1, 2, true);
  EXPECT_EQ(Widget<QLabel>(*form, "LabelKindofPayer")->text(),
            "943 (Agricultural) + Third-party sick pay");
  EXPECT_EQ(Work().KindOfPayer, 0) << "the record takes the choice on OK only";
  // Cancel goes back to the record's kind, which the label shows.
  choose(0, 5, false);
  EXPECT_EQ(Widget<QLabel>(*form, "LabelKindofPayer")->text(), "941");
  EXPECT_EQ(Widget<TDlgKindOfPayer>(*form, "DlgKindOfPayer")->KindOfPayerIndex(), 0);
  EXPECT_EQ(Widget<TDlgKindOfPayer>(*form, "DlgKindOfPayer")->TPSickPayIndex(), 0);
  choose(1, 2, true);

  QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnOK"), Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
  const W3Record onDisk = RecordOnDisk(path, 1).w3;
  EXPECT_EQ(onDisk.KindOfPayer, 2);
  EXPECT_EQ(onDisk.TPSickPayKind, 1);
}

TEST_F(W3Screen, ACancelledFirstChoiceGoesBackToTheRecord) {
  StoreW3([](W3Record& w3) {
    w3.TaxYear = 2002;
    w3.KindOfPayer = 4;
    w3.TPSickPayKind = 0;
  });
  const auto form = Open();
  form->RunModal = [](QDialog& shown) {
    auto& dialog = dynamic_cast<TDlgKindOfPayer&>(shown);
    EXPECT_EQ(dialog.KindOfPayerIndex(), 4);
    dialog.SetSelections(1, 2);
    return int(QDialog::Rejected);
  };
  QTest::mouseClick(Widget<QPushButton>(*form, "ButtonPayer"), Qt::LeftButton);
  EXPECT_EQ(Widget<QLabel>(*form, "LabelKindofPayer")->text(), "Hshld. empl.");
  EXPECT_EQ(Widget<TDlgKindOfPayer>(*form, "DlgKindOfPayer")->KindOfPayerIndex(), 4);
  EXPECT_EQ(Widget<TDlgKindOfPayer>(*form, "DlgKindOfPayer")->TPSickPayIndex(), 0);
}

TEST_F(W3Screen, XForTheStateOfTheIdEmptiesAndDisablesTheStateId) {
  for (const char* typed : {"X", "x", " x "}) {
    SCOPED_TRACE(typed);
    StoreW3([](W3Record& w3) {
      w3.TaxYear = 2002;
      w3.StateForID = "IL";
      w3.StateID = "IL-555";
    });
    const auto form = Open();
    TypeAndLeave(*form, Widget<QComboBox>(*form, "ComboBoxStateForID"), typed);
    EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxStateForID")->currentText(), "X");
    EXPECT_EQ(Work().StateForID.Str(), "X");
    EXPECT_EQ(Work().StateID.Str(), "");
    EXPECT_EQ(Widget<QLineEdit>(*form, "EditStateID")->text(), "");
    EXPECT_FALSE(Widget<QLineEdit>(*form, "EditStateID")->isEnabled());
    QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnCancel"), Qt::LeftButton);
  }
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(W3Screen, TabFromAStateInPlaceOfXGoesToTheStateIdItEnables) {
  StoreW3([](W3Record& w3) { w3.StateForID = "X"; });
  const auto form = Open();
  Type(Widget<QComboBox>(*form, "ComboBoxStateForID"), "IL");
  QTest::keyClick(Widget<QComboBox>(*form, "ComboBoxStateForID"), Qt::Key_Tab);
  QTest::keyClicks(Focus(), "IL-555");
  QTest::keyClick(Focus(), Qt::Key_Tab);
  EXPECT_EQ(Work().StateID.Str(), "IL-555");
}

TEST_F(W3Screen, TheStateOfTheIdIsAStateAbbreviation) {
  StoreW3([](W3Record& w3) {
    w3.TaxYear = 2002;
    w3.StateForID = "X";
    w3.StateID = "left over";
  });
  const auto form = Open();
  // "X" on file: the state ID goes from the record and its field is disabled.
  EXPECT_EQ(Work().StateID.Str(), "");
  EXPECT_EQ(file->OrigRec.w3.StateID.Str(), "left over");
  EXPECT_FALSE(Widget<QLineEdit>(*form, "EditStateID")->isEnabled());

  TypeAndLeave(*form, Widget<QComboBox>(*form, "ComboBoxStateForID"), "ny");
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxStateForID")->currentText(), "NY");
  EXPECT_EQ(Work().StateForID.Str(), "NY");
  EXPECT_TRUE(Widget<QLineEdit>(*form, "EditStateID")->isEnabled());
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditStateID"), "NY-1234567890123456789");
  EXPECT_EQ(Work().StateID.Str(), "NY-1234567890123");

  for (const char* typed : {"ZZ", "", "N1"}) {
    SCOPED_TRACE(typed);
    boxes.Clear();
    boxes.Answer(MsgOk);
    TypeAndLeave(*form, Widget<QComboBox>(*form, "ComboBoxStateForID"), typed);
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{ValidationMessageText(ValidationKind::State)});
    EXPECT_EQ(Focus(), Widget<QComboBox>(*form, "ComboBoxStateForID"));
    EXPECT_EQ(Work().StateForID.Str(), "NY");
    EXPECT_TRUE(Widget<QLineEdit>(*form, "EditStateID")->isEnabled());
  }
}

TEST_F(W3Screen, TheAddressStateIsStoredAsChosenCutTo23Characters) {
  StoreCompleteW3();
  const auto form = Open();
  Widget<QComboBox>(*form, "ComboBoxState")->setFocus(Qt::MouseFocusReason);
  Widget<QComboBox>(*form, "ComboBoxState")->setCurrentIndex(59);
  Leave(*form);
  EXPECT_EQ(Work().State.Str(), "Canada, Europe, Africa ");
  TypeAndLeave(*form, Widget<QComboBox>(*form, "ComboBoxState"), "Ontario");
  EXPECT_EQ(Work().State.Str(), "Ontario");
  // Typing stops at the 23 characters kept.
  Type(Widget<QComboBox>(*form, "ComboBoxState"), "Canada, Europe, Africa and the Middle East");
  EXPECT_EQ(Widget<QComboBox>(*form, "ComboBoxState")->currentText(), "Canada, Europe, Africa ");
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(W3Screen, TheEinIsRequiredAndTheOtherEinMayBeBlank) {
  StoreW3([](W3Record& w3) {
    w3.TaxYear = 2002;
    w3.OtherEIN = "98-7654321";
  });
  const auto form = Open();
  const std::string einMessage = ValidationMessageText(ValidationKind::EIN);

  // Left blank: the EIN rule's message, and the focus back.
  boxes.Answer(MsgOk);
  Widget<QLineEdit>(*form, "MaskEditEmployerFedID")->setFocus(Qt::TabFocusReason);
  Leave(*form);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, einMessage);
  EXPECT_EQ(boxes.Shown()[0].caption, "Quillmar");
  EXPECT_EQ(Focus(), Widget<QLineEdit>(*form, "MaskEditEmployerFedID"));
  EXPECT_EQ(Work().EmployerEIN.Str(), "");

  // OK is refused while the field holds the refused entry: the click leaves
  // the field, which reports it once more, and OK does nothing else.
  const std::string before = FileBytes(path);
  boxes.Answer(MsgOk);
  QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnOK"), Qt::LeftButton);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Focus(), Widget<QLineEdit>(*form, "MaskEditEmployerFedID"));
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(boxes.Shown().size(), 2u);
  // Enter in the field checks it again.
  boxes.Answer(MsgOk);
  QTest::keyClick(Widget<QLineEdit>(*form, "MaskEditEmployerFedID"), Qt::Key_Return);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(boxes.Shown().size(), 3u);

  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditEmployerFedID"), "123456789");
  EXPECT_EQ(Work().EmployerEIN.Str(), "12-3456789");

  // Other EIN: blank stores empty; an invalid one is refused.
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditOtherEIN"), "");
  EXPECT_EQ(Work().OtherEIN.Str(), "");
  boxes.Clear();
  boxes.Answer(MsgOk);
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditOtherEIN"), "001234567");
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{einMessage});
  EXPECT_EQ(Focus(), Widget<QLineEdit>(*form, "MaskEditOtherEIN"));
  EXPECT_EQ(Work().OtherEIN.Str(), "");
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditOtherEIN"), "987654321");
  EXPECT_EQ(Work().OtherEIN.Str(), "98-7654321");

  boxes.Clear();
  QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnOK"), Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(RecordOnDisk(path, 1).w3.EmployerEIN.Str(), "12-3456789");
}

TEST_F(W3Screen, AnEMailAddressWithoutAtOrDotIsWarnedAboutAndStoredAnyway) {
  StoreCompleteW3();
  const auto form = Open();
  struct Case {
    std::string typed;
    bool warns;
  };
  const Case cases[] = {{"jo@acme", true},
                        {"jo.acme.com", true},
                        {"jo@acme.com", false},
                        {"", false},
                        {"jo.x@acme", true},
                        {"@.", false},
                        {std::string(37, 'a') + "@b.com", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    boxes.Clear();
    if (c.warns) boxes.Answer(MsgOk);
    TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditEMail"), c.typed.c_str());
    if (c.warns) {
      ASSERT_EQ(boxes.Shown().size(), 1u);
      EXPECT_EQ(boxes.Shown()[0].text, kEMailWarning);
      EXPECT_EQ(boxes.Shown()[0].icon, MsgIcon::Information);
      EXPECT_EQ(boxes.Shown()[0].buttons, unsigned(MsgOk));
    } else {
      EXPECT_TRUE(boxes.Shown().empty());
    }
    EXPECT_EQ(Work().EMail.Str(), c.typed.substr(0, 40));
  }
}

TEST_F(W3Screen, MaskedFieldsStoreTheirLiteralsOrNothingWhenBlank) {
  StoreW3([](W3Record& w3) {
    w3.TaxYear = 2002;
    w3.Zip = "62701";
    w3.Phone = "(217)555-0100";
    w3.Fax = "(217)555-0101";
  });
  const auto form = Open();
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditZip"), "123456789");
  EXPECT_EQ(Work().Zip.Str(), "12345-6789");
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditZip"), "12345");
  EXPECT_EQ(Work().Zip.Str(), "12345-    ");
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditZip"), "");
  EXPECT_EQ(Work().Zip.Str(), "");

  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditPhone"), "5551234567");
  EXPECT_EQ(Work().Phone.Str(), "(555)123-4567");
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditPhone"), "");
  EXPECT_EQ(Work().Phone.Str(), "");
  EXPECT_EQ(Widget<QLineEdit>(*form, "MaskEditPhone")->text(),
            Widget<QLineEdit>(*form, "MaskEditPhone")->text().trimmed());
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditFax"), "");
  EXPECT_EQ(Work().Fax.Str(), "");
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditFax"), "555123");
  EXPECT_EQ(Work().Fax.Str(), "(555)123-    ");
  // A ZIP with a blank among its first five places: the focus goes back, nothing is stored.
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditZip"), "1234");
  EXPECT_EQ(Focus(), Widget<QLineEdit>(*form, "MaskEditZip"));
  EXPECT_EQ(Work().Zip.Str(), "");
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(W3Screen, TextFieldsAreCutToTheirLengthAndNumbersFollowTheEntryRules) {
  StoreCompleteW3();
  const auto form = Open();
  struct Case {
    QLineEdit* edit;
    std::function<std::string()> stored;
    std::size_t capacity;
  };
  const Case cases[] = {
      {Widget<QLineEdit>(*form, "EditEstablishment"), [this] { return Work().Establishment.Str(); },
       4},
      {Widget<QLineEdit>(*form, "EditEmployerName"), [this] { return Work().EmployerName.Str(); },
       57},
      {Widget<QLineEdit>(*form, "EditSuite"), [this] { return Work().Suite.Str(); }, 22},
      {Widget<QLineEdit>(*form, "EditStreet"), [this] { return Work().Street.Str(); }, 22},
      {Widget<QLineEdit>(*form, "EditTown"), [this] { return Work().Town.Str(); }, 22},
      {Widget<QLineEdit>(*form, "EditContact"), [this] { return Work().Contact.Str(); }, 27},
  };
  const std::string longText(80, 'W');
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edit->objectName().toStdString());
    TypeAndLeave(*form, c.edit, longText.c_str());
    EXPECT_EQ(c.stored(), std::string(c.capacity, 'W'));
  }
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditControlNum"), " 42 ");
  EXPECT_EQ(Work().ControlNum, 42);
  boxes.Answer(MsgOk);
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditControlNum"), "4x2");
  EXPECT_EQ(Work().ControlNum, 42);
  EXPECT_EQ(Focus(), Widget<QLineEdit>(*form, "EditControlNum"));
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditControlNum"), "");
  EXPECT_EQ(Work().ControlNum, 0);

  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTaxWheldTPSickPay"), "12.345");
  EXPECT_EQ(Work().TaxWheldTPSickPay, 123450);
  boxes.Answer(MsgOk);
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTaxWheldTPSickPay"), "1,234.00");
  EXPECT_EQ(Work().TaxWheldTPSickPay, 123450);
  EXPECT_EQ(Focus(), Widget<QLineEdit>(*form, "EditTaxWheldTPSickPay"));
  EXPECT_EQ(boxes.PendingAnswers(), 0u);
}

TEST_F(W3Screen, Box13WarnsWhenThePayerHasNoThirdPartySickPay) {
  StoreCompleteW3();
  const auto form = Open();
  boxes.Answer(MsgOk);
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTPSickPayUseOnly"), "sick pay note");
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kBox13Warning});
  EXPECT_EQ(boxes.Shown()[0].icon, MsgIcon::Information);
  EXPECT_EQ(Work().TPSickPayUseOnly.Str(), "sick pay note");
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTPSickPayUseOnly"), "");
  EXPECT_EQ(Work().TPSickPayUseOnly.Str(), "");

  // With third-party sick pay chosen in the dialog, no warning.
  form->RunModal = [](QDialog& shown) {
    dynamic_cast<TDlgKindOfPayer&>(shown).SetSelections(0, 1);
    return int(QDialog::Accepted);
  };
  QTest::mouseClick(Widget<QPushButton>(*form, "ButtonPayer"), Qt::LeftButton);
  boxes.Clear();
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTPSickPayUseOnly"), "sick pay note");
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(Work().TPSickPayUseOnly.Str(), "sick pay note");
}

TEST_F(W3Screen, Box14SurvivesReopeningAndTheTotals) {
  StoreCompleteW3();
  {
    const auto form = Open();
    TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTaxWheldTPSickPay"), "12.5");
    QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnOK"), Qt::LeftButton);
    ASSERT_FALSE(form->isVisible());
  }
  EXPECT_EQ(RecordOnDisk(path, 1).w3.TaxWheldTPSickPay, Cents(1250));
  const auto form = Open();
  EXPECT_EQ(Widget<QLineEdit>(*form, "EditTaxWheldTPSickPay")->text(), "12.50");
  EXPECT_EQ(Work().TaxWheldTPSickPay, Cents(1250));
  EXPECT_EQ(RecordOnDisk(path, 1).w3.TaxWheldTPSickPay, Cents(1250));
}

TEST_F(W3Screen, CancelLeavesTheFileByteForByteUnchanged) {
  StoreCompleteW3();
  const auto form = Open();
  const std::string before = FileBytes(path);
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditEmployerName"), "Somebody Else");
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "MaskEditZip"), "12345");
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTaxWheldTPSickPay"), "99");
  TypeAndLeave(*form, Widget<QComboBox>(*form, "ComboBoxStateForID"), "X");
  form->RunModal = [](QDialog& shown) {
    dynamic_cast<TDlgKindOfPayer&>(shown).SetSelections(5, 1);
    return int(QDialog::Accepted);
  };
  QTest::mouseClick(Widget<QPushButton>(*form, "ButtonPayer"), Qt::LeftButton);
  EXPECT_FALSE(file->WorkRec.SameBytes(file->OrigRec));
  QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnCancel"), Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->result(), QDialog::Rejected);
  EXPECT_TRUE(file->WorkRec.SameBytes(file->OrigRec));
  file.reset();  // closing asks nothing: there is no change left
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(W3Screen, CancelClickedInAQuestionedTaxYearClosesWithoutTheQuestion) {
  StoreCompleteW3();
  const auto form = Open();
  Type(Widget<QLineEdit>(*form, "EditTaxYear"), "1990");
  QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnCancel"), Qt::LeftButton);
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_TRUE(file->WorkRec.SameBytes(file->OrigRec));
}

TEST_F(W3Screen, EscapeCancelsTheTypedEntry) {
  StoreCompleteW3();
  const auto form = Open();
  Type(Widget<QLineEdit>(*form, "EditEmployerName"), "Typed but escaped");
  QTest::keyClick(Widget<QLineEdit>(*form, "EditEmployerName"), Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(file->WorkRec.SameBytes(file->OrigRec));
  EXPECT_EQ(Work().EmployerName.Str(), "Acme Tools");
}

TEST_F(W3Screen, TheCloseBoxKeepsTheChangesForTheNextSaveQuestion) {
  StoreCompleteW3();
  const auto form = Open();
  const std::string before = FileBytes(path);
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTown"), "Springfield");
  Type(Widget<QLineEdit>(*form, "EditStreet"),
       "1 Main St");  // still in the field when the window closes
  form->close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(Work().Town.Str(), "Springfield");
  EXPECT_EQ(Work().Street.Str(), "1 Main St");
  boxes.Answer(MsgYes);
  SettleBeforeClose(*file);  // as the program closes the file
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Save changes to W-3 for Acme Tools ?"});
  EXPECT_EQ(RecordOnDisk(path, 1).w3.Town.Str(), "Springfield");
}

TEST_F(W3Screen, TheRatesButtonOpensTheRatesOfTheTaxYear) {
  StoreCompleteW3();
  const auto form = Open();
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTaxYear"), "2003");
  std::string loaded;
  form->RunModal = [&](QDialog& shown) {
    auto& rates = dynamic_cast<TFormSocSecMedicare&>(shown);
    EXPECT_EQ(&rates, Widget<TFormSocSecMedicare>(*form, "FormSocSecMedicare"));
    loaded = rates.LoadedYearText();
    return int(QDialog::Rejected);
  };
  QTest::mouseClick(Widget<QPushButton>(*form, "ButtonSSMedcareRates"), Qt::LeftButton);
  EXPECT_EQ(loaded, "2003");
  TypeAndLeave(*form, Widget<QLineEdit>(*form, "EditTaxYear"), "2002");
  QTest::mouseClick(Widget<QPushButton>(*form, "ButtonSSMedcareRates"), Qt::LeftButton);
  EXPECT_EQ(loaded, "2002");
  EXPECT_EQ(Widget<TFormSocSecMedicare>(*form, "FormSocSecMedicare")->WorkingRates().SocSecMaxWage,
            Cents(8490000));
  EXPECT_TRUE(boxes.Shown().empty());
}

// From 2006 the dialog offers 944, from 2011 the kind of employer, which OK
// stores in the byte at offset 536 and the label shows.
TEST_F(W3Screen, Form944AndTheKindOfEmployerByYear) {
  for (const std::int32_t year : {2005, 2006, 2010, 2011}) {
    StoreW3([year](W3Record& w3) {
      w3.TaxYear = year, w3.EmployerEIN = "20-3456789", w3.EmployerName = "Acme";
    });
    const auto form = Open();
    TFormW3* screen = form.get();
    screen->RunModal = [year](QDialog& shown) {
      auto& dialog = dynamic_cast<TDlgKindOfPayer&>(shown);
      ShowActive(dialog);
      EXPECT_EQ(dialog.KindOfPayerButtons[6]->isVisible(), year >= 2006) << year;
      EXPECT_EQ(dialog.RadioGroupKindOfEmployer->isVisible(), year >= 2011) << year;
      // On its round button: the short text leaves the rest of the column no hit.
      if (year >= 2006)
        QTest::mouseClick(dialog.KindOfPayerButtons[6], Qt::LeftButton, {}, QPoint(6, 10));
      if (year >= 2011) QTest::mouseClick(dialog.KindOfEmployerButtons[2], Qt::LeftButton);
      QTest::mouseClick(Widget<QPushButton>(dialog, "BitBtnOK"), Qt::LeftButton);
      return dialog.result();
    };
    QTest::mouseClick(Widget<QPushButton>(*screen, "ButtonPayer"), Qt::LeftButton);
    EXPECT_EQ(Widget<QLabel>(*form, "LabelKindofPayer")->text(), year >= 2011
                                                                     ? "944, State/local non-501c"
                                                                 : year >= 2006 ? "944"
                                                                                : "941");
    boxes.Answer(MsgYes);  // the clock says 2003: the tax year is verified
    QTest::mouseClick(Widget<QPushButton>(*form, "BitBtnOK"), Qt::LeftButton);
    const TRecordBuffer onDisk = RecordOnDisk(path, 1);
    EXPECT_EQ(onDisk.w3.KindOfPayer, year >= 2006 ? 6 : 0) << year;
    EXPECT_EQ(onDisk.bytes[536], year >= 2011 ? 3 : 0) << year;
  }
}

// Box 9's total is shown up to 2010 and greyed and empty from 2011.
TEST_F(W3Screen, BoxNineIsGreyedAndEmptyFrom2011) {
  for (const int year : {2010, 2011}) {
    SCOPED_TRACE(year);
    StoreW3([year](W3Record& w3) {
      w3.TaxYear = year, w3.EmployerEIN = "12-3456789", w3.EmployerName = "Acme Tools";
    });
    std::unique_ptr<TFormW3> form = Open();
    QLabel* box9 = Widget<QLabel>(*form, "LabelAdvEIC");
    EXPECT_EQ(box9->isEnabled(), year == 2010);
    EXPECT_EQ(box9->text().isEmpty(), year == 2011);
    form.reset();
    file->WorkRec = file->OrigRec;
  }
}
