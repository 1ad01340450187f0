#include "rules/QuietEntryChecks.h"

#include "data/EntryField.h"
#include "data/EntryRules.h"
#include "rules/TaxYearRules.h"

namespace {

// The first paragraph of a message, its line breaks made blanks.
std::string FirstParagraph(const std::string& message) {
  std::string text = message.substr(0, message.find("\r\r"));
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

EntryRefusal RefusalOf(const EntryCheck& check) {
  if (check) return std::nullopt;
  return FirstParagraph(check.message);
}

// A cell as an entry field: its text, and the refusal kept instead of shown.
class CellField final : public IEntryField {
 public:
  explicit CellField(const std::string& text) : text_(text) {}
  std::string Text() const override { return text_; }
  void Reject(const std::string& message) override {
    if (!refusal_) refusal_ = FirstParagraph(message);
  }
  const EntryRefusal& Refusal() const { return refusal_; }

 private:
  const std::string& text_;
  EntryRefusal refusal_;
};

template <typename Read>
EntryRefusal Refused(const std::string& text, Read read) {
  CellField field(text);
  read(field);
  return field.Refusal();
}

}  // namespace

EntryRefusal QuietCheckSsn(const std::string& text, std::int32_t taxYear) {
  return RefusalOf(CheckSSN(text, RulesForYear(taxYear).IdNumbers));
}

EntryRefusal QuietCheckState(std::string& text) { return RefusalOf(CheckStateAbbrev(text)); }

EntryRefusal QuietReadAmount(const std::string& text, Currency& amount) {
  return Refused(text, [&](IEntryField& field) { ReadAmountField(field, amount); });
}

EntryRefusal QuietReadInteger(const std::string& text, std::int32_t& value) {
  return Refused(text, [&](IEntryField& field) { ReadIntegerField(field, value); });
}

EntryRefusal QuietReadBox12Code(const std::string& text, bool twoLetters, char& code, char& code2) {
  return Refused(text, [&](IEntryField& field) {
    if (twoLetters) {
      ReadTwoLetterCodeField(field, code, code2);
    } else {
      ReadCodeField(field, code);
    }
  });
}

EntryRefusal QuietCheckEin(const std::string& text, std::int32_t taxYear) {
  return RefusalOf(CheckEIN(text, RulesForYear(taxYear).IdNumbers));
}
