// File, New in the main window, through the W-3 screen typed into as a user
// does, to the W-3 record on disk.

#include <gtest/gtest.h>

#include <QRadioButton>
#include <functional>
#include <optional>

#include "app/Main.h"
#include "screens/DlgW3PayerKind.h"
#include "tests/screens/W3ScreenTyping.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

// File, New in the main window, with the W-3 screen shown by a launcher that
// lets the test type into it instead of blocking in exec().
class ScriptedNewFileDialog final : public IFileDialog {
 public:
  explicit ScriptedNewFileDialog(std::string answer) : answer_(std::move(answer)) {}
  std::optional<std::string> Execute(const FileDialogRequest&) override { return answer_; }

 private:
  std::string answer_;
};

class TypingLauncher final : public IScreenLauncher {
 public:
  bool Available(LaunchTarget target) const override { return target == LaunchTarget::W3Screen; }
  void ShowRates(TQuillmarRegistry&, TQuillmarFormFile*) override { ADD_FAILURE() << "rates"; }
  void ShowW3(TQuillmarFormFile& file, TQuillmarRegistry& registry) override {
    TFormW3 form(file, registry);
    ShowActive(form);
    type(form);
    EXPECT_FALSE(form.isVisible());
    ++shown;
  }
  void ShowW2(TQuillmarFormFile&, TQuillmarRegistry&) override { ADD_FAILURE() << "W-2 screen"; }
  void PrintW3(TQuillmarFormFile&, TQuillmarRegistry&) override { ADD_FAILURE() << "W-3 print"; }
  void PrintW2s(TQuillmarFormFile&, TQuillmarRegistry&) override { ADD_FAILURE() << "W-2 print"; }
  void PrintMailingLabels(TQuillmarFormFile&, TQuillmarRegistry&) override {
    ADD_FAILURE() << "labels";
  }
  void ExportEfw2(TQuillmarFormFile&, TQuillmarRegistry&) override {
    ADD_FAILURE() << "EFW2 export";
  }
  void ExportStateW2(TQuillmarFormFile&, TQuillmarRegistry&) override {
    ADD_FAILURE() << "state W-2 export";
  }
  void PrintPlainPaperW2s(TQuillmarFormFile&, TQuillmarRegistry&) override {
    ADD_FAILURE() << "plain-paper W-2s";
  }
  void PrintPlainPaperW3(TQuillmarFormFile&) override { ADD_FAILURE() << "plain-paper W-3"; }
  void RunCorrections(CorrectionsTask, TQuillmarFormFile&, TQuillmarRegistry&) override {
    ADD_FAILURE() << "corrections";
  }
  void ImportEmployees(TQuillmarFormFile&, TQuillmarRegistry&) override {
    ADD_FAILURE() << "import";
  }
  void ExportEmployees(TQuillmarFormFile&) override { ADD_FAILURE() << "export"; }
  void CheckAllW2s(TQuillmarFormFile&, TQuillmarRegistry&) override {
    ADD_FAILURE() << "check all";
  }

  std::function<void(TFormW3&)> type;
  int shown = 0;
};

class NoDesktop final : public IDesktop {
 public:
  WorkArea GetWorkArea() const override { return {1024, 768}; }
};

}  // namespace

TEST(W3ScreenFromTheMainWindow, ANewFileHoldsExactlyWhatWasEnteredAfterOk) {
  TempDir home;
  FixedClock clock{FixedClock::LocalNoon(2003, 2, 1)};
  ScriptedMessageBoxes boxes;
  const std::string path = home.File("payroll.qmr");
  ScriptedNewFileDialog dialog(home.File("payroll"));
  TypingLauncher launcher;
  NoDesktop desktop;
  launcher.type = [](TFormW3& form) {
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditTaxYear"), "2002");
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditControlNum"), "1234");
    form.RunModal = [](QDialog& shown) {
      auto& payer = dynamic_cast<TDlgKindOfPayer&>(shown);
      ShowActive(payer);
      QTest::mouseClick(payer.TPSickPayButtons[1], Qt::LeftButton);
      QTest::mouseClick(payer.KindOfPayerButtons[2], Qt::LeftButton);
      QTest::mouseClick(payer.BitBtnOK, Qt::LeftButton);
      return payer.result();
    };
    QTest::mouseClick(Widget<QPushButton>(form, "ButtonPayer"), Qt::LeftButton);
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditEstablishment"), "0007");
    TypeAndLeave(form, Widget<QLineEdit>(form, "MaskEditEmployerFedID"), "123456789");
    Type(Widget<QLineEdit>(form, "EditEmployerName"), "Acme Tools ");
    Widget<QLineEdit>(form, "EditEmployerName")->insert(QString::fromUtf8("\u00e9"));
    Leave(form);
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditSuite"), "Suite 5");
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditStreet"), "1 Main St");
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditTown"), "Springfield");
    TypeAndLeave(form, Widget<QComboBox>(form, "ComboBoxState"), "Illinois");
    TypeAndLeave(form, Widget<QLineEdit>(form, "MaskEditZip"), "627011234");
    TypeAndLeave(form, Widget<QLineEdit>(form, "MaskEditOtherEIN"), "987654321");
    TypeAndLeave(form, Widget<QComboBox>(form, "ComboBoxStateForID"), "il");
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditStateID"), "IL-555");
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditContact"), "Jo Payroll");
    TypeAndLeave(form, Widget<QLineEdit>(form, "MaskEditPhone"), "2175550100");
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditEMail"), "jo@acme.com");
    TypeAndLeave(form, Widget<QLineEdit>(form, "MaskEditFax"), "2175550101");
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditTPSickPayUseOnly"), "see note");
    TypeAndLeave(form, Widget<QLineEdit>(form, "EditTaxWheldTPSickPay"), "12.5");
    QTest::mouseClick(Widget<QPushButton>(form, "BitBtnOK"), Qt::LeftButton);
  };
  {
    MainFormSettings settings;
    settings.registryFolder = (home.Path() / "config" / "Tolvane").string();
    settings.programPath = "/opt/Tolvane/Quillmar/Quillmar";
    settings.desktopDataFolder = (home.Path() / "data").string();
    TMainForm main(settings, dialog, launcher, desktop);
    main.FileNew();
    EXPECT_EQ(launcher.shown, 1);
    ASSERT_NE(main.ActiveFile(), nullptr);
    EXPECT_EQ(main.ActiveFile()->W3Rec.w3.EmployerName.Str(), "Acme Tools \xe9");
  }
  EXPECT_TRUE(boxes.Shown().empty());
  const std::string bytes = FileBytes(path);
  ASSERT_EQ(bytes.size(), 3u * kRecSize);
  const TRecordBuffer record = RecordOnDisk(path, 1);
  const W3Record& w3 = record.w3;
  EXPECT_EQ(w3.RecType, kRecTypeW3);
  EXPECT_EQ(w3.TaxYear, 2002);
  EXPECT_EQ(w3.ControlNum, 1234);
  EXPECT_EQ(w3.TPSickPayKind, 1);
  EXPECT_EQ(w3.KindOfPayer, 2);
  EXPECT_EQ(w3.W2Count, 0) << "the blank placeholder is no W-2";
  EXPECT_EQ(w3.Establishment.Str(), "0007");
  EXPECT_EQ(w3.EmployerEIN.Str(), "12-3456789");
  EXPECT_EQ(w3.EmployerName.Str(), "Acme Tools \xe9");
  EXPECT_EQ(w3.Suite.Str(), "Suite 5");
  EXPECT_EQ(w3.Street.Str(), "1 Main St");
  EXPECT_EQ(w3.Town.Str(), "Springfield");
  EXPECT_EQ(w3.State.Str(), "Illinois");
  EXPECT_EQ(w3.Zip.Str(), "62701-1234");
  EXPECT_EQ(w3.OtherEIN.Str(), "98-7654321");
  EXPECT_EQ(w3.StateForID.Str(), "IL");
  EXPECT_EQ(w3.StateID.Str(), "IL-555");
  EXPECT_EQ(w3.Contact.Str(), "Jo Payroll");
  EXPECT_EQ(w3.Phone.Str(), "(217)555-0100");
  EXPECT_EQ(w3.EMail.Str(), "jo@acme.com");
  EXPECT_EQ(w3.Fax.Str(), "(217)555-0101");
  EXPECT_EQ(w3.TPSickPayUseOnly.Str(), "see note");
  EXPECT_EQ(w3.TaxWheldTPSickPay, Cents(1250));
  EXPECT_EQ(w3.TotWages, 0);
  // Nothing beyond the fields: the reserved and unused bytes stay zero.
  for (std::size_t i = 536; i < kRecSize; ++i) ASSERT_EQ(record.bytes[i], 0) << i;
  for (std::size_t i = 215; i < 218; ++i) ASSERT_EQ(record.bytes[i], 0) << i;
}
