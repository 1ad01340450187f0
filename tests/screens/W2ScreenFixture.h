#pragma once
// The W-2 screen on an offscreen window over a temp data file and a temp
// registry, with helpers that type into its fields and leave them as a user
// does (click in, retype, Tab).

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>
#include <string_view>

#include "data/QuillmarFormFile.h"
#include "data/SocSecMedicareRates.h"
#include "screens/W2InputForm.h"
#include "settings/QuillmarRegistry.h"
#include "settings/RateTableSeeding.h"
#include "tests/support/FindWidget.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

class W2ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedPresetRates(registry);
    file = TQuillmarFormFile::Create(dir.File("acme.qmr"));
    SetEmployer(2001, "", "");
  }

  void TearDown() override {
    form.reset();
    // Whatever the test left unsaved is dropped, without the closing question.
    file->WorkRec = file->OrigRec;
  }

  // The W-3 record: tax year, EIN, name and the state of the employer's state ID.
  void SetEmployer(std::int32_t taxYear, std::string_view stateForID, std::string_view stateID) {
    ASSERT_TRUE(file->ReadW3());
    W3Record& w3 = file->WorkRec.w3;
    w3.TaxYear = taxYear;
    w3.EmployerEIN = "12-3456789";
    w3.EmployerName = "Acme Tools";
    w3.Suite = "Suite 4";
    w3.Street = "1 Main St";
    w3.Town = "Albany";
    w3.State = "NY";
    w3.Zip = "12207";
    w3.StateForID = stateForID;
    w3.StateID = stateID;
    ASSERT_TRUE(file->SaveCurrent(false));
  }

  // A new employee saved without a question. The first one takes the place of
  // the new file's blank record.
  std::int64_t AddEmployee(std::string_view ssn, std::string_view first, std::string_view last,
                           Currency wages = 0) {
    EXPECT_TRUE(file->AddNew(kRecTypeW2));
    W2Record& w2 = file->WorkRec.w2;
    w2.SocSecNum = ssn;
    w2.FirstName = first;
    w2.LastName = last;
    w2.Wages = wages;
    EXPECT_TRUE(file->SaveCurrent(false));
    return file->RecPos();
  }

  // The screen on the first employee, as the main window opens it.
  TFormW2& Open() {
    EXPECT_TRUE(file->GoFirst());
    form = std::make_unique<TFormW2>(*file, registry);
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return *form;
  }

  W2Record& Work() { return file->WorkRec.w2; }

  static QLineEdit* EditOf(QWidget* field) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(field);
  }

  // Clicks into the field, clears it and types the text.
  static void Type(QWidget* field, const QString& text) {
    field->setFocus(Qt::MouseFocusReason);
    QLineEdit* edit = EditOf(field);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->home(false);
    if (!text.isEmpty()) QTest::keyClicks(edit, text);
  }
  // Leaves the field that has the focus with Tab.
  static void Leave() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  static void TypeAndLeave(QWidget* field, const QString& text) {
    Type(field, text);
    Leave();
  }
  // Visits the field and leaves it without typing.
  static void Visit(QWidget* field) {
    field->setFocus(Qt::MouseFocusReason);
    Leave();
  }
  static QString Shown(QWidget* field) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) return combo->currentText();
    return qobject_cast<QLineEdit*>(field)->displayText();
  }

  TempDir dir;
  ScriptedMessageBoxes boxes;
  TQuillmarRegistry registry{dir.Path() / "registry"};
  std::unique_ptr<TQuillmarFormFile> file;
  std::unique_ptr<TFormW2> form;
};

using Texts = std::vector<std::string>;

// Amounts as the records hold them.
constexpr Currency Dollars(double value) {
  return static_cast<Currency>(value * 10000 + (value < 0 ? -0.5 : 0.5));
}
