// The rates screen, driven as a user drives it: typing, leaving fields,
// changing the year, OK and Cancel, on an offscreen window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "screens/DlgSocSecMed.h"
#include "settings/QuillmarRegistry.h"
#include "settings/RateTableSeeding.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

const std::string kSave2003 = "Save Changes to Social Security and/or Medicare Rates for 2003";

class RatesScreen : public ::testing::Test {
 protected:
  // A table as the years up to 2002 left it: their five entries.
  void SetUp() override {
    for (std::size_t i = 0; i < 5; ++i) ASSERT_TRUE(registry.WriteRatesForYear(PresetRates[i]));
  }

  std::unique_ptr<TFormSocSecMedicare> Open(std::int32_t openFileTaxYear = 0) {
    auto form = std::make_unique<TFormSocSecMedicare>(registry, openFileTaxYear);
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return form;
  }

  SocSecMedicareRates Stored(std::int32_t year) {
    SocSecMedicareRates rates;
    rates.TaxYear = year;
    registry.ReadRatesForYear(rates);
    return rates;
  }

  static QStringList Years(const TFormSocSecMedicare& form) {
    QStringList years;
    for (int i = 0; i < form.ComboBoxTaxYear->count(); ++i)
      years << form.ComboBoxTaxYear->itemText(i);
    return years;
  }

  static std::vector<QString> Fields(const TFormSocSecMedicare& form) {
    return {form.EditSocSecMaxWage->text(), form.EditSocSecRate->text(),
            form.EditMedMaxWage->text(), form.EditMedRate->text()};
  }

  // Types into the field as a user does: click into it, select all, type.
  static void Type(QLineEdit* edit, const char* text) {
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    if (*text == '\0') QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, QString::fromUtf8(text));
  }
  // Leaves the field with Tab, to the next field.
  static void Leave(QWidget* field) { QTest::keyClick(field, Qt::Key_Tab); }
  // Leaves the field with Shift+Tab, to the one before.
  static void LeaveBackwards(QWidget* field) {
    QTest::keyClick(field, Qt::Key_Tab, Qt::ShiftModifier);
  }
  static void TypeAndLeave(QLineEdit* edit, const char* text) {
    Type(edit, text);
    Leave(edit);
  }
  static void TypeYear(TFormSocSecMedicare& form, const char* text) {
    Type(form.ComboBoxTaxYear->lineEdit(), text);
  }
  // 87000.00, 6.2 and 1.45 into the fields of a new year.
  static void EnterPlausibleRates(TFormSocSecMedicare& form) {
    TypeAndLeave(form.EditSocSecMaxWage, "87000");
    TypeAndLeave(form.EditSocSecRate, "6.2");
    TypeAndLeave(form.EditMedRate, "1.45");
  }
  static void ClickOK(TFormSocSecMedicare& form) {
    QTest::mouseClick(form.BitBtnOK, Qt::LeftButton);
  }

  TempDir dir;
  TQuillmarRegistry registry{dir.Path()};
  ScriptedMessageBoxes boxes;
};

TEST_F(RatesScreen, ShowsEveryCaptionAndFixedText) {
  const auto form = Open();
  EXPECT_EQ(form->windowTitle(), "Soc.Sec. & Medicare");
  QStringList labels;
  for (const QLabel* label : form->findChildren<QLabel*>()) labels << label->text();
  for (const char* text :
       {"Social Security and Medicare Rates (used to verify W-2 entries)",
        "1. Select Tax Year, or Add a new Tax Year", "2. Verify or set rate information",
        "Maximum Wage", "Employee Rate (Percent of Wage to Maximum)",
        "Employee Rate (Percent of Wage)",
        "Note that years prior to 2002 cannot be modified as correctly set by author",
        "Maximum wage was eliminated in 1994, use provision for maximum only if SSA restore "
        "this in a future year."}) {
    EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
  }
  EXPECT_EQ(labels.count("%"), 2);
  QStringList groups;
  for (const QGroupBox* group : form->findChildren<QGroupBox*>()) groups << group->title();
  EXPECT_EQ(groups, (QStringList{"Social Security", "Medicare Wage", "Medicare Rate"}));
  EXPECT_EQ(form->CheckBoxUseMedMax->text(), "Set Maximum Wage to:");
  EXPECT_EQ(form->BitBtnOK->text(), "OK");
  EXPECT_EQ(form->BitBtnCancel->text(), "Cancel");
  EXPECT_TRUE(form->BitBtnOK->isDefault());
  // Tab order.
  form->ComboBoxTaxYear->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> order;
  for (int i = 0; i < 7; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order.push_back(QApplication::focusWidget());
  }
  EXPECT_EQ(order, (std::vector<QWidget*>{form->EditSocSecMaxWage, form->EditSocSecRate,
                                          form->CheckBoxUseMedMax, form->EditMedMaxWage,
                                          form->EditMedRate, form->BitBtnOK, form->BitBtnCancel}));
  EXPECT_TRUE(boxes.Shown().empty()) << "the rates of 2002 are plausible";
}

TEST_F(RatesScreen, OpensOnTheOpenFilesYearOrTheLatest) {
  ASSERT_TRUE(registry.WriteRatesForYear({2003, 876000000, 62000, 0, 14500, false}));
  {
    const auto form = Open();  // no file: the latest year
    EXPECT_EQ(Years(*form), (QStringList{"1998", "1999", "2000", "2001", "2002", "2003"}));
    EXPECT_EQ(form->ComboBoxTaxYear->currentText(), "2003");
    EXPECT_EQ(Fields(*form), (std::vector<QString>{"87600.00", "6.2000", "0.00", "1.4500"}));
    EXPECT_EQ(form->LoadedYearText(), "2003");
  }
  {
    const auto form = Open(2001);
    EXPECT_EQ(form->ComboBoxTaxYear->currentText(), "2001");
    EXPECT_EQ(Fields(*form), (std::vector<QString>{"80400.00", "6.2000", "0.00", "1.4500"}));
    EXPECT_EQ(form->WorkingRates(), Stored(2001));
  }
  {
    const auto form = Open(1997);  // not a year of the table: the latest
    EXPECT_EQ(form->ComboBoxTaxYear->currentText(), "2003");
  }
  {
    const auto form = Open(2005);  // not on file: nothing is selected
    EXPECT_EQ(form->ComboBoxTaxYear->currentIndex(), -1);
    EXPECT_EQ(form->ComboBoxTaxYear->currentText(), "");
    EXPECT_EQ(form->WorkingRates(), SocSecMedicareRates{});
  }
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RatesScreen, YearsBefore2002AreReadOnlyAndNeverAskToSave) {
  const auto form = Open(2001);
  EXPECT_FALSE(form->CheckBoxUseMedMax->isEnabled());
  for (QLineEdit* edit :
       {form->EditSocSecMaxWage, form->EditSocSecRate, form->EditMedMaxWage, form->EditMedRate}) {
    EXPECT_TRUE(edit->isReadOnly()) << edit->objectName().toStdString();
  }
  TypeAndLeave(form->EditSocSecMaxWage, "1");
  form->EditSocSecRate->setText("9.99");  // even a changed text is not stored
  form->EditSocSecRateExit();
  EXPECT_EQ(form->WorkingRates(), Stored(2001));
  // Changing the year asks nothing, nor does OK.
  TypeYear(*form, "2000");
  EXPECT_EQ(form->WorkingRates(), Stored(2000));
  ClickOK(*form);
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RatesScreen, AYearBefore1998IsRefusedAndOKClosesWithoutAQuestion) {
  const auto form = Open();
  boxes.Answer(MsgOk);
  TypeYear(*form, "1997");
  EXPECT_EQ(boxes.Texts(), Texts{"Tax Year 1997 is invalid, must be 4 numeric digits and greater "
                                 "than 1997. Please correct it."});
  EXPECT_EQ(boxes.Shown()[0].caption, "Quillmar");
  EXPECT_EQ(Fields(*form), (std::vector<QString>{"0.00", "0.00", "0.00", "0.00"}));
  EXPECT_EQ(form->WorkingRates(), SocSecMedicareRates{});
  EXPECT_FALSE(form->EditSocSecMaxWage->isReadOnly());
  EXPECT_TRUE(form->ComboBoxTaxYear->hasFocus() || form->ComboBoxTaxYear->lineEdit()->hasFocus());
  // Entries in the invalid state are never saved; the fields still warn when left.
  TypeAndLeave(form->EditSocSecMaxWage, "90000");
  boxes.Answer(MsgOk);
  ClickOK(*form);  // leaves the Social Security rate, still 0.00
  EXPECT_EQ(boxes.Texts().back(),
            "Was expecting Soc.Sec. Rate to be around 6.2%, be sure your entry is correct.");
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(boxes.Shown().size(), 2u) << "no save question";

  const auto again = Open();
  boxes.Answer(MsgOk);
  TypeYear(*again, "20x3");
  EXPECT_EQ(boxes.Texts().back(),
            "Tax Year 20x3 is invalid, must be 4 numeric digits and greater than 1997. Please "
            "correct it.");
}

TEST_F(RatesScreen, OnlyAFourCharacterYearTextLoadsAYear) {
  const auto form = Open();
  QLineEdit* year = form->ComboBoxTaxYear->lineEdit();
  TypeYear(*form, "200");
  EXPECT_EQ(form->WorkingRates().TaxYear, 2002);
  EXPECT_EQ(form->LoadedYearText(), "2002");
  QTest::keyClicks(year, "5");
  EXPECT_EQ(form->WorkingRates().TaxYear, 2005);
  QTest::keyClicks(year, "9");  // "20059": five characters
  EXPECT_EQ(form->WorkingRates().TaxYear, 2005);
  QTest::keyClick(year, Qt::Key_Backspace);  // back to the loaded text
  EXPECT_EQ(form->LoadedYearText(), "2005");
  EXPECT_EQ(form->WorkingRates().TaxYear, 2005);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RatesScreen, ANewYearIsEnteredSavedAndListed) {
  const auto form = Open();
  TypeYear(*form, "2003");
  EXPECT_EQ(Fields(*form), (std::vector<QString>{"0.00", "0.0000", "0.00", "0.0000"}));
  EXPECT_TRUE(form->CheckBoxUseMedMax->isEnabled());
  EXPECT_FALSE(form->EditMedRate->isReadOnly());

  EnterPlausibleRates(*form);
  EXPECT_TRUE(boxes.Shown().empty()) << "plausible entries give no warning";
  boxes.Answer(MsgYes);
  ClickOK(*form);
  ASSERT_EQ(boxes.Texts(), Texts{kSave2003});
  EXPECT_EQ(boxes.Shown()[0].caption, "Save ?");
  EXPECT_EQ(boxes.Shown()[0].buttons, unsigned(MsgYes | MsgNo));
  EXPECT_EQ(Stored(2003), (SocSecMedicareRates{2003, 870000000, 62000, 0, 14500, false}));
  EXPECT_EQ(Years(*form), (QStringList{"1998", "1999", "2000", "2001", "2002", "2003"}));
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(RatesScreen, RatesKeepFourDecimalsWhenTyped) {
  const auto form = Open();
  TypeYear(*form, "2003");
  TypeAndLeave(form->EditSocSecMaxWage, "87000.005");
  TypeAndLeave(form->EditSocSecRate, "6.25");
  TypeAndLeave(form->EditMedRate, "1.4567");
  boxes.Answer(MsgYes);
  ClickOK(*form);
  EXPECT_EQ(Stored(2003), (SocSecMedicareRates{2003, 870000050, 62500, 0, 14567, false}));
}

TEST_F(RatesScreen, TheWageBaseWarningHasInclusiveBounds) {
  const struct {
    const char* year;
    const char* entry;
    bool warns;
    const char* expected;
  } cases[] = {
      {"2002", "76410.00", false, "84900"},
      {"2002", "76409.99", true, "84900"},
      {"2002", "93390", false, "84900"},
      {"2002", "93390.01", true, "84900"},
      {"2003", "78300", false, "87000"},
      {"2003", "78299.99", true, "87000"},
      {"2003", "", true, "87000"},
      {"2003", "lots", false, ""},
      {"2027", "175230", false, "194700"},
      {"2027", "175229.99", true, "194700"},
      {"2500", "90000", true, "24496362691576600"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.year) + " maximum \"" + c.entry + "\"");
    const auto form = Open();
    TypeYear(*form, c.year);
    boxes.Clear();
    if (c.warns) boxes.Answer(MsgOk);
    if (std::string(c.entry) == "lots") boxes.Answer(MsgOk);  // the amount rule's message
    TypeAndLeave(form->EditSocSecMaxWage, c.entry);
    const Texts expected = c.warns ? Texts{std::string("Was expecting Soc.Sec. Maximum Wage for ") +
                                           c.year + " to be in the region of " + c.expected +
                                           ". Please be sure your entry is correct."}
                                   : Texts{};
    if (std::string(c.entry) == "lots") {
      ASSERT_EQ(boxes.Texts().size(), 1u)
          << "no plausibility warning for a text that is not a number";
      EXPECT_EQ(boxes.Texts()[0].rfind("Entry of \"lots\" does not constitute a valid number", 0),
                0u);
    } else {
      EXPECT_EQ(boxes.Texts(), expected) << c.year << " " << c.entry;
      if (c.warns) {
        EXPECT_EQ(boxes.Shown()[0].icon, MsgIcon::Information);
      }
    }
  }
}

TEST_F(RatesScreen, TheRateWarnings) {
  const std::string socSec =
      "Was expecting Soc.Sec. Rate to be around 6.2%, be sure your entry is correct.";
  const std::string medicare =
      "Was expecting Medicare Rate to be around 1.45%, be sure your entry is correct.";
  const struct {
    bool socSecField;
    const char* entry;
    bool warns;
    Currency stored;
  } cases[] = {
      {true, "9.3", false, 93000},  {true, "9.31", true, 93100},   {true, "3.1", false, 31000},
      {true, "3.09", true, 30900},  {true, " 6.2 ", false, 62000}, {false, "2.18", false, 21800},
      {false, "2.19", true, 21900}, {false, "0.73", false, 7300},  {false, "0.7299", true, 7299},
      {false, "", true, 0},
  };
  const auto form = Open();
  TypeYear(*form, "2003");
  for (const auto& c : cases) {
    boxes.Clear();
    if (c.warns) boxes.Answer(MsgOk);
    TypeAndLeave(c.socSecField ? form->EditSocSecRate : form->EditMedRate, c.entry);
    EXPECT_EQ(boxes.Texts(), c.warns ? Texts{c.socSecField ? socSec : medicare} : Texts{})
        << c.entry;
    EXPECT_EQ(c.socSecField ? form->WorkingRates().SocSecRate : form->WorkingRates().MedicareRate,
              c.stored)
        << c.entry << ": the entry is kept whatever the warning";
  }
}

TEST_F(RatesScreen, MedicareMaximumWithoutTheCheckMarkIsIgnored) {
  const auto form = Open();
  TypeYear(*form, "2003");
  Type(form->EditMedMaxWage, "0.00");  // four characters: no message
  LeaveBackwards(form->EditMedMaxWage);
  EXPECT_TRUE(boxes.Shown().empty());
  boxes.Answer(MsgOk);
  Type(form->EditMedMaxWage, "90000");
  LeaveBackwards(form->EditMedMaxWage);
  EXPECT_EQ(boxes.Texts(),
            Texts{"Any entry in Medicare Maximum Wage will be ignored unless there is also a "
                  "check mark against \"Set Maximum Wage\""});
  EXPECT_EQ(form->WorkingRates().MedicareMaxWage, 0);

  form->CheckBoxUseMedMax->setChecked(true);
  boxes.Clear();
  Type(form->EditMedMaxWage, "90000");
  LeaveBackwards(form->EditMedMaxWage);
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(form->WorkingRates().MedicareMaxWage, 900000000);
}

TEST_F(RatesScreen, ALowMedicareMaximumIsWarnedAndThenIgnoredOnSaving) {
  const auto form = Open();
  TypeYear(*form, "2003");
  EnterPlausibleRates(*form);
  form->CheckBoxUseMedMax->setChecked(true);
  boxes.Answer(MsgOk);
  TypeAndLeave(form->EditMedMaxWage, "30000");
  EXPECT_EQ(boxes.Texts(),
            Texts{"If Medicare Maximum Wage has been reinstated was expecting a Maximum that is "
                  "higher than your entry, be sure your entry is correct."});
  boxes.Answer(MsgYes).Answer(MsgOk);
  ClickOK(*form);
  EXPECT_EQ(boxes.Texts(),
            (Texts{boxes.Texts()[0], kSave2003,
                   "Ignoring your entry in Medicare Maximum Wage as it is too low to be correct"}));
  EXPECT_FALSE(form->CheckBoxUseMedMax->isChecked());
  EXPECT_EQ(Stored(2003), (SocSecMedicareRates{2003, 870000000, 62000, 0, 14500, false}));
  EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(RatesScreen, AnIncompleteEntryIsNotSavedAndTheScreenStaysOpen) {
  const auto form = Open();                   // 2002
  form->CheckBoxUseMedMax->setChecked(true);  // with a Medicare maximum of 0.00
  boxes.Answer(MsgYes).Answer(MsgOk);
  ClickOK(*form);
  EXPECT_EQ(boxes.Texts(),
            (Texts{"Save Changes to Social Security and/or Medicare Rates for 2002",
                   "Cannot save incomplete Soc.Sec./Medicare entry - one or more required fields "
                   "were zero."}));
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Stored(2002), PresetRates[4]);

  // A new year with the Social Security rate left at zero, likewise.
  boxes.Clear();
  form->CheckBoxUseMedMax->setChecked(false);
  TypeYear(*form, "2003");  // the unchanged 2002 asks nothing now
  TypeAndLeave(form->EditSocSecMaxWage, "87000");
  boxes.Answer(MsgOk);
  TypeAndLeave(form->EditMedRate, "1.45");
  boxes.Answer(MsgYes).Answer(MsgOk);
  ClickOK(*form);
  EXPECT_EQ(
      boxes.Texts().back(),
      "Cannot save incomplete Soc.Sec./Medicare entry - one or more required fields were zero.");
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(registry.KeyExists(TQuillmarRegistry::RatesKeyOf(2003)));
  EXPECT_EQ(Years(*form).size(), 5);
}

TEST_F(RatesScreen, ChangingOnlyTheCheckBoxAsksToSave) {
  const auto form = Open();  // 2002
  form->CheckBoxUseMedMax->setChecked(true);
  boxes.Answer(MsgNo);
  ClickOK(*form);
  EXPECT_EQ(boxes.Texts(), Texts{"Save Changes to Social Security and/or Medicare Rates for 2002"});
  EXPECT_EQ(Stored(2002), PresetRates[4]) << "No writes nothing";
  EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(RatesScreen, ChangingTheYearOffersToSaveAndThenLoadsWhateverTheAnswer) {
  for (const MsgButton answer : {MsgNo, MsgYes}) {
    const auto form = Open();  // 2002
    TypeAndLeave(form->EditSocSecMaxWage, "85000");
    boxes.Clear();
    boxes.Answer(answer);
    form->ComboBoxTaxYear->setCurrentIndex(
        form->ComboBoxTaxYear->findText("1999"));  // chosen from the list
    EXPECT_EQ(boxes.Texts(),
              Texts{"Save Changes to Social Security and/or Medicare Rates for 2002"});
    EXPECT_EQ(form->WorkingRates(), Stored(1999));
    EXPECT_EQ(Fields(*form), (std::vector<QString>{"72600.00", "6.2000", "0.00", "1.4500"}));
    EXPECT_EQ(Stored(2002).SocSecMaxWage, answer == MsgYes ? 850000000 : 849000000);
  }
}

TEST_F(RatesScreen, CancelDropsTheEdits) {
  const auto form = Open();
  TypeAndLeave(form->EditSocSecMaxWage, "85000");
  QTest::mouseClick(form->BitBtnCancel, Qt::LeftButton);
  EXPECT_EQ(form->result(), QDialog::Rejected);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(Stored(2002), PresetRates[4]);
  const auto again = Open();
  EXPECT_EQ(again->EditSocSecMaxWage->text(), "84900.00");
}

TEST_F(RatesScreen, EnterOnTheDefaultButtonStoresTheFieldBeingTyped) {
  const auto form = Open();
  Type(form->EditSocSecMaxWage, "86000");
  boxes.Answer(MsgYes);
  QTest::keyClick(form->EditSocSecMaxWage, Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), Texts{"Save Changes to Social Security and/or Medicare Rates for 2002"});
  EXPECT_EQ(Stored(2002).SocSecMaxWage, 860000000);
  EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(RatesScreen, ABadEntryIsReportedOnceAndKeepsTheStoredValue) {
  const auto form = Open();
  boxes.Answer(MsgOk);
  TypeAndLeave(form->EditSocSecMaxWage, "84,900");
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0].rfind("Entry of \"84,900\" does not constitute a valid number", 0),
            0u);
  EXPECT_EQ(form->WorkingRates().SocSecMaxWage, 849000000);
  EXPECT_TRUE(form->EditSocSecMaxWage->hasFocus()) << "the focus goes back to the field";
  EXPECT_EQ(form->EditSocSecMaxWage->text(), "84,900");
}

TEST_F(RatesScreen, ASaveThatCannotBeWrittenIsReportedAndTheScreenStaysOpen) {
  const auto form = Open();
  TypeYear(*form, "2003");
  EnterPlausibleRates(*form);
  fs::permissions(dir.Path() / "system.reg",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  boxes.Answer(MsgYes).Answer(MsgOk);
  ClickOK(*form);
  EXPECT_EQ(boxes.Texts(), (Texts{kSave2003, "Failed to set data for '2003'"}));
  EXPECT_EQ(boxes.Shown()[1].icon, MsgIcon::Error);
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(Years(*form).contains("2003"));
}

TEST_F(RatesScreen, ADamagedYearIsReportedAndShowsWhatCouldBeRead) {
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey(TQuillmarRegistry::RatesKeyOf(2002), false));
  registry.WriteString("MedicareMaxWage", "none");
  registry.CloseKey();
  boxes.Answer(MsgOk);
  const auto form = Open();
  EXPECT_EQ(boxes.Texts(), Texts{"Invalid data type for 'MedicareMaxWage'"});
  EXPECT_EQ(Fields(*form), (std::vector<QString>{"84900.00", "6.2000", "0.00", "0.0000"}));
}

TEST_F(RatesScreen, WorksWithAnEmptyTable) {
  TempDir empty;
  TQuillmarRegistry bare(empty.Path());
  TFormSocSecMedicare form(bare);
  form.show();
  EXPECT_EQ(form.ComboBoxTaxYear->count(), 0);
  EXPECT_EQ(form.WorkingRates(), SocSecMedicareRates{});
  form.BitBtnOKClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RatesScreen, ClosingTheScreenIsNoLeaveOfTheFieldBeingTyped) {
  auto form = Open();
  Type(form->EditSocSecMaxWage, "abc");
  form.reset();  // destroyed with the focus in the field: no handler, no message
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RatesScreen, TheW3ScreenLoadsItsYearDirectly) {
  ASSERT_TRUE(registry.WriteRatesForYear({2004, 876000000, 62000, 0, 14500, false}));
  const auto form = Open(2002);
  form->LoadYear("2004");
  EXPECT_EQ(form->ComboBoxTaxYear->currentText(), "2004");
  EXPECT_EQ(form->LoadedYearText(), "2004");
  EXPECT_EQ(form->WorkingRates(), Stored(2004));
}

}  // namespace
