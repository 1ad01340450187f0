#include "rules/QuietEntryChecks.h"

#include "data/EntryField.h"
#include "data/EntryRules.h"
#include "platform/MessageBoxes.h"
#include "rules/TaxYearRules.h"

namespace {

// The first paragraph of a message, its line breaks made blanks.
std::string FirstParagraph(const std::string& message) {
  std::string text = message.substr(0, message.find("\r\r"));
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

// Keeps the message a Read rule shows instead of showing it, for its lifetime.
class CapturedMessage final : public IMessageBoxes {
 public:
  CapturedMessage() : previous_(SetMessageBoxes(this)) {}
  ~CapturedMessage() override { SetMessageBoxes(previous_); }
  CapturedMessage(const CapturedMessage&) = delete;
  CapturedMessage& operator=(const CapturedMessage&) = delete;

  MsgButton Show(const MessageBoxRequest& request) override {
    if (!text_) text_ = FirstParagraph(request.text);
    return MsgOk;
  }
  const EntryRefusal& Text() const { return text_; }

 private:
  IMessageBoxes* previous_;
  EntryRefusal text_;
};

// A cell as an entry field: its text, and no focus to give back.
class CellField final : public IEntryField {
 public:
  explicit CellField(const std::string& text) : text_(text) {}
  std::string Text() const override { return text_; }
  void SetFocus() override {}

 private:
  const std::string& text_;
};

template <typename Read>
EntryRefusal Captured(const std::string& text, Read read) {
  CapturedMessage captured;
  CellField field(text);
  read(field);
  return captured.Text();
}

}  // namespace

EntryRefusal QuietCheckSsn(const std::string& text, std::int32_t taxYear) {
  const IdNumberRules& rules = RulesForYear(taxYear).IdNumbers;
  const QuietValidationScope quiet;
  if (CheckSSN(text, rules)) return std::nullopt;
  return FirstParagraph(ValidationMessageText(ValidationKind::SSN, rules));
}

EntryRefusal QuietCheckState(std::string& text) {
  const QuietValidationScope quiet;
  if (CheckStateAbbrev(text)) return std::nullopt;
  return FirstParagraph(ValidationMessageText(ValidationKind::State));
}

EntryRefusal QuietReadAmount(const std::string& text, Currency& amount) {
  return Captured(text, [&](IEntryField& field) { ReadAmountField(field, amount); });
}

EntryRefusal QuietReadInteger(const std::string& text, std::int32_t& value) {
  return Captured(text, [&](IEntryField& field) { ReadIntegerField(field, value); });
}

EntryRefusal QuietReadBox12Code(const std::string& text, bool twoLetters, char& code, char& code2) {
  return Captured(text, [&](IEntryField& field) {
    if (twoLetters) {
      ReadTwoLetterCodeField(field, code, code2);
    } else {
      ReadCodeField(field, code);
    }
  });
}

EntryRefusal QuietCheckEin(const std::string& text, std::int32_t taxYear) {
  const IdNumberRules& rules = RulesForYear(taxYear).IdNumbers;
  const QuietValidationScope quiet;
  if (CheckEIN(text, rules)) return std::nullopt;
  return FirstParagraph(ValidationMessageText(ValidationKind::EIN, rules));
}
