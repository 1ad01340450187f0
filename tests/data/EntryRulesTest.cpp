#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "data/EntryRules.h"
#include "tests/support/ScriptedMessageBoxes.h"

namespace {

// The three validation messages, written out as the user reads them.
const std::string kStateText =
    "Expecting 2 uppercase characters representing a VALID State postal abbreviation";

const std::string kEinText =
    "Federal Employer's Identification Number (EIN) is missing or invalid. Entry should be shown "
    "as 10 "
    "positions, 9 numerics and one hyphen in position 3 (e.g., 00-0000000). The first two "
    "left-most "
    "positions cannot be 00, 07, 08, 09, 10, 17, 18, 19, 20, 26, 27, 28, 29, 30, 40, 49, 50, 60, "
    "69, "
    "70, 78, 79, 80, 89, 90.  Social Security Administration will reject these errors when W-2 "
    "processed.\r\rAlso, be sure number is same as EIN on the appropriate Federal employment tax "
    "return which included employee's pay and withholding (e.g., Form 941, Form 942 Employer's "
    "Quarterly Tax Return for Household Employees or Form 943, Employer's Annual Tax Return for "
    "Agricultural Employees).";

const std::string kSsnText =
    "Social Security Number is missing or invalid.  Should be 11 characters in format 999-99-9999 "
    "the "
    "hyphens are required.  The SSN may not be 111-11-1111 or 333-33-3333 or 123-45-6789, also the "
    "first 3 characters must be in the ranges 001 to 665, or 667 to 728, or 750 to 772. Social "
    "Security Administration will reject these errors when W-2 processed.\r\r If your records are "
    "accurate call the SSA at 1-800-772-6270 weekdays from 7:00 a.m. to 7:00 p.m. EST. to verify "
    "the "
    "SSN number. You will be asked for your company name and EIN. Then you will be asked to "
    "provide "
    "the following employee information: SSN, last name, first name, middle initial (if "
    "applicable), date of birth, and gender.\r\r This SSN error is not a basis, in and of itself, "
    "for you to take any adverse action against the employee as this may violate state or federal "
    "law and be subject to legal consequences.";

const std::string kRetained =
    "Unless your entry is changed it will be ignored and the original value of this field will be "
    "retained as it was before you altered it.";

std::string AmountMessage(const std::string& typed) {
  return "Entry of \"" + typed +
         "\" does not constitute a valid number. It must be made up of only digits 0 to 9, no more "
         "than one period if the number includes decimals, and no more than one minus sign if "
         "negative.\r\r" +
         kRetained;
}

std::string IntegerMessage(const std::string& typed) {
  return "Entry of \"" + typed +
         "\" does not constitute a valid number. It must be made up of only digits 0 to 9\r\r" +
         kRetained;
}

class FakeField final : public IEntryField {
 public:
  explicit FakeField(std::string text) : text_(std::move(text)) {}
  std::string Text() const override { return text_; }
  void Reject(const std::string& message) override {
    ++focusCount;
    messages.push_back(message);
  }
  int focusCount = 0;
  std::vector<std::string> messages;

 private:
  std::string text_;
};

// Expects a Read rule to reject `text`: handed back to the field once with
// the message, no box shown by the rule, the stored value untouched.
template <typename T, typename Read>
void ExpectRejected(Read read, const std::string& text, T stored, const std::string& message) {
  ScriptedMessageBoxes boxes;  // any box fails the test
  FakeField field(text);
  T value = stored;
  read(field, value);
  EXPECT_EQ(value, stored) << text;
  EXPECT_EQ(field.focusCount, 1) << text;
  EXPECT_EQ(field.messages, std::vector<std::string>{message}) << text;
}

TEST(ValidationMessages, HaveTheirFullTexts) {
  const struct {
    ValidationKind kind;
    const std::string& text;
  } cases[] = {{ValidationKind::State, kStateText},
               {ValidationKind::EIN, kEinText},
               {ValidationKind::SSN, kSsnText}};
  for (const auto& c : cases) EXPECT_EQ(ValidationMessageText(c.kind), c.text);
}

struct CheckCase {
  const char* text;
  bool valid;
};

// Runs a check over the cases: a bad entry gets exactly the given message,
// returned, not shown.
void ExpectChecks(EntryCheck (*check)(const std::string&), std::initializer_list<CheckCase> cases,
                  const std::string& message) {
  for (const CheckCase& c : cases) {
    ScriptedMessageBoxes boxes;  // any box fails the test
    const EntryCheck verdict = check(c.text);
    EXPECT_EQ(verdict.Ok(), c.valid) << c.text;
    EXPECT_EQ(verdict.message, c.valid ? "" : message) << c.text;
  }
}

TEST(CheckSSN, AcceptsValidAreasAndRejectsDummyNumbers) {
  ExpectChecks(CheckSSN,
               {
                   {"123-45-6789", false}, {"111-11-1111", false}, {"333-33-3333", false},
                   {"000-12-3456", false}, {"666-12-3456", false}, {"729-12-3456", false},
                   {"749-12-3456", false}, {"773-12-3456", false}, {"999-12-3456", false},
                   {"001-01-0001", true},  {"665-99-9999", true},  {"667-00-0001", true},
                   {"728-99-9999", true},  {"750-00-0001", true},  {"772-99-9999", true},
                   {"001010001", true},    {"123456789", false},   {"001-010001", true},
                   {"00101-0001", true},   {"123-456-789", false}, {"001-01-00011", false},
                   {"001-01-000", false},  {"0010100011", false},  {"00101000x1", true},
                   {"001 01 0001", false}, {"001-01 0001", false}, {"", false},
                   {"00101000", false},    {"00-101-0001", false}, {"-001010001", true},
               },
               kSsnText);
}

// Of 9, 10 or 11 characters only the digits count, exactly nine of them; the
// 11-character form keeps its hyphens in positions 4 and 7.
TEST(CheckSSN, IgnoresCharactersOtherThanDigits) {
  ExpectChecks(CheckSSN,
               {
                   {"001 010001", true},
                   {"A001010001", true},
                   {"001\xA0"
                    "010001",
                    true},
                   {"001.01.0001", false},
                   {"ab001010001", false},
                   {"001-0x-0001", false},
                   {"00101000x", false},
                   {"666x123456", false},
               },
               kSsnText);
}

TEST(CheckEIN, NeedsTheHyphenAndAnAcceptedPrefix) {
  ExpectChecks(CheckEIN,
               {
                   {"12-3456789", true},
                   {"01-0000000", true},
                   {"00-1234567", false},
                   {"90-1234567", false},
                   {"07-1234567", false},
                   {"49-1234567", false},
                   {"123456789", false},
                   {"1234567890", false},
                   {"12-345678", false},
                   {"12-34567890", false},
                   {"12 3456789", false},
                   {"1A-3456789", false},
                   {"12-345678A", false},
                   {"", false},
                   {"12-3456-89", false},
               },
               kEinText);
}

TEST(CheckEIN, RejectsExactlyTheTwentyFivePrefixes) {
  const std::string rejected =
      " 00 07 08 09 10 17 18 19 20 26 27 28 29 30 40 49 50 60 69 70 78 79 80 89 90 ";
  int rejectedCount = 0;
  for (int prefix = 0; prefix < 100; ++prefix) {
    const std::string two =
        std::string(1, static_cast<char>('0' + prefix / 10)) + static_cast<char>('0' + prefix % 10);
    const bool bad = rejected.find(" " + two + " ") != std::string::npos;
    rejectedCount += bad;
    EXPECT_EQ(CheckEIN(two + "-1234567").Ok(), !bad) << two;
  }
  EXPECT_EQ(rejectedCount, 25);
}

TEST(CheckZip, AcceptsTheFiveAndNineDigitFormsWithoutAMessage) {
  ScriptedMessageBoxes boxes;  // any box fails the test
  const CheckCase cases[] = {
      {"12345", true},       {"12345-", true},       {"12345-6789", true},  {"12345-    ", true},
      {"1234", false},       {"12345-678", false},   {"12345-67A9", false}, {"", false},
      {"1234A", false},      {"123456", false},      {"12345 6789", false}, {"12345-  89", false},
      {"1234-56789", false}, {"12345-67890", false}, {"A2345-6789", false},
  };
  for (const CheckCase& c : cases) EXPECT_EQ(CheckZip(c.text), c.valid) << c.text;
}

TEST(CheckStateAbbrev, TakesEitherCaseAndStoresUpperCase) {
  const struct {
    const char* text;
    bool valid;
    const char* after;
  } cases[] = {
      {"ny", true, "NY"},    {"Ny", true, "NY"},  {"NY", true, "NY"},  {"AC", true, "AC"},
      {"pr", true, "PR"},    {"XX", false, "XX"}, {"N1", false, "N1"}, {"", false, ""},
      {"NYC", false, "NYC"}, {"n ", false, "n "}, {" N", false, " N"},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(CheckStateAbbrev(text).message, c.valid ? "" : kStateText) << c.text;
    EXPECT_EQ(text, c.after) << c.text;
  }
}

TEST(StateLookups, FindNamesAndAbbreviationsWithoutMessages) {
  ScriptedMessageBoxes boxes;
  EXPECT_EQ(StateNameOfAbbrev("ny"), "New York");
  EXPECT_EQ(StateNameOfAbbrev("MP"), "Northern Mariana Islands");
  EXPECT_EQ(StateNameOfAbbrev("AE"), "Canada, Europe, Africa a");
  EXPECT_EQ(StateNameOfAbbrev("AA"), "Central and South Americ");
  EXPECT_EQ(StateNameOfAbbrev("XX"), "");
  EXPECT_EQ(StateNameOfAbbrev(""), "");
  EXPECT_EQ(StateNameOfAbbrev("N"), "");

  EXPECT_EQ(StateAbbrevOfName("New York"), "NY");
  EXPECT_EQ(StateAbbrevOfName("NEW YORK"), "NY");
  EXPECT_EQ(StateAbbrevOfName("new york"), "NY");
  EXPECT_EQ(StateAbbrevOfName("Contingency Operations"), "AC");
  EXPECT_EQ(StateAbbrevOfName("TERRITORIES AND POSSESSIONS"), "");
  EXPECT_EQ(StateAbbrevOfName("New Yor"), "");
  EXPECT_EQ(StateAbbrevOfName(""), "");
}

TEST(CountryName, ResolvesSharedCodesToTheCountryItself) {
  ScriptedMessageBoxes boxes;
  const struct {
    const char* code;
    const char* name;
  } cases[] = {
      {"uk", "United Kingdom"},
      {"UK", "United Kingdom"},
      {"sp", "Spain"},
      {"PO", "Portugal"},
      {"ca", "Canada"},
      {"GM", "Germany"},
      {"OC", "Other Countries"},
      {"XX", ""},
      {"U", ""},
      {"", ""},
      {"USA", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CountryName(c.code), c.name) << c.code;
}

TEST(CountryCode, MatchesExactlyOrByTheBeginningOfALongName) {
  const struct {
    const char* name;
    const char* code;
  } cases[] = {
      {"Canada", "CA"},
      {"canada", ""},
      {"Azores", "PO"},
      {"Spain", "SP"},
      {"Canary", ""},
      {"Korea, Democr", "KN"},
      {"Korea, Repub", "KS"},
      {"Northern Irel", "UK"},
      {"Christmas Is", "KT"},
      {"Christmas I", ""},
      {"Other Countries", "OC"},
      {"", ""},
      {"Narnia and beyond", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CountryCode(c.name), c.code) << c.name;
}

TEST(TextHelpers, DigitsSpacesAndTrimming) {
  EXPECT_TRUE(AllDigits(""));
  EXPECT_TRUE(AllDigits("0123456789"));
  EXPECT_FALSE(AllDigits("12 3"));
  EXPECT_FALSE(AllDigits("-1"));
  EXPECT_TRUE(AllSpaces(""));
  EXPECT_TRUE(AllSpaces("    "));
  EXPECT_FALSE(AllSpaces(" \t "));
  EXPECT_FALSE(AllSpaces(" 0"));

  EXPECT_EQ(TrimText("  12 \t\r\n"), "12");
  EXPECT_EQ(TrimText("\x01"
                     "a b\x1f"),
            "a b");
  EXPECT_EQ(TrimText("\xA0x\xA0"), "\xA0x\xA0");  // a no-break space is a character
  EXPECT_EQ(TrimText(" \t "), "");
}

TEST(NumberErrorText, QuotesTheEntry) {
  EXPECT_EQ(NumberErrorText("1,234.00"),
            "Entry of \"1,234.00\" does not constitute a valid number. It must be made up of only "
            "digits 0 to 9");
}

struct AmountCase {
  const char* text;
  Currency stored;
};

TEST(ReadAmountField, StoresAcceptedEntries) {
  ScriptedMessageBoxes boxes;
  const AmountCase cases[] = {
      {"1234.5", 12345000},
      {"12.345", 123450},
      {"-3", -30000},
      {"", 0},
      {"   ", 0},
      {" 7.25\t", 72500},
      {"0.00015", 2},
      {"0.00025", 2},
      {"-0.004", -40},
      {"+5", 50000},
      {".5", 5000},
      {"5.", 50000},
      {"1e3", 10000000},
      {"12e-4", 0},
      {"-0", 0},
      {"922337203685477.5807", 9223372036854775807},
      // Four decimals only with a period and more than two characters after it.
      {"1e-3", 0},
      {"15e-3", 200},
      {"125e-4", 100},
      {"1.e-3", 10},
      {"1.5e-3", 15},
      {"12.3e-3", 123},
      {"0.12e1", 12000},
      {"1.25E-1", 1250},
  };
  for (const AmountCase& c : cases) {
    FakeField field(c.text);
    Currency amount = 987654;
    ReadAmountField(field, amount);
    EXPECT_EQ(amount, c.stored) << c.text;
    EXPECT_EQ(field.focusCount, 0) << c.text;
  }
  Currency shown = 1;
  FakeField small("-0.004");
  ReadAmountField(small, shown);
  EXPECT_EQ(FormatAmount(shown), "0.00");
  FakeField twelve("12.345");
  ReadAmountField(twelve, shown);
  EXPECT_EQ(FormatAmount(shown), "12.35");
}

TEST(ReadAmountField, RejectsWhatIsNotAPlainNumberAndKeepsTheOldAmount) {
  const char* const rejected[] = {"1,234.00",
                                  "$5",
                                  " $12.00 ",
                                  "1 000",
                                  "inf",
                                  "nan",
                                  "0x10",
                                  "1.2.3",
                                  "--1",
                                  "abc",
                                  "1e",
                                  "-",
                                  ".",
                                  "1e400",
                                  "922337203685477.5808",
                                  "99999999999999999999"};
  for (const char* text : rejected)
    ExpectRejected(ReadAmountField, text, Currency{12345000}, AmountMessage(text));
}

TEST(ReadIntegerField, StoresWholeNumbersAndRejectsTheRest) {
  {
    ScriptedMessageBoxes boxes;
    const struct {
      const char* text;
      std::int32_t stored;
    } accepted[] = {{"2002", 2002}, {" 42 ", 42}, {"", 0},
                    {"-5", -5},     {"+5", 5},    {"2147483647", 2147483647}};
    for (const auto& c : accepted) {
      FakeField field(c.text);
      std::int32_t value = 77;
      ReadIntegerField(field, value);
      EXPECT_EQ(value, c.stored) << c.text;
      EXPECT_EQ(field.focusCount, 0) << c.text;
    }
  }
  const char* const rejected[] = {"12.5", "2,002", "abc", "2147483648", "1e3", " 20 02 "};
  for (const char* text : rejected)
    ExpectRejected(ReadIntegerField, text, std::int32_t{77}, IntegerMessage(text));
}

TEST(ReadCodeField, StoresOneUpperCaseCharacter) {
  {
    ScriptedMessageBoxes boxes;
    const struct {
      const char* text;
      char stored;
    } accepted[] = {{"d", 'D'},   {"D", 'D'}, {"", ' '},       {"  ", ' '},
                    {" a ", 'A'}, {"7", '7'}, {"\xE9", '\xE9'}};
    for (const auto& c : accepted) {
      FakeField field(c.text);
      char code = 'Z';
      ReadCodeField(field, code);
      EXPECT_EQ(code, c.stored) << c.text;
      EXPECT_EQ(field.focusCount, 0) << c.text;
    }
  }
  const char* const rejected[] = {"DD", " d d "};
  for (const char* text : rejected)
    ExpectRejected(ReadCodeField, text, 'Z',
                   "\"" + std::string(text) +
                       "\" is too long, only ONE character is allowed here.\r\r" + kRetained);
}

// In a year with two-letter box 12 codes: one character as before (the
// second byte 0), or two letters.
TEST(ReadTwoLetterCodeField, StoresOneCharacterOrTwoLetters) {
  for (const auto& [text, code, code2] :
       {std::tuple{"dd", 'D', 'D'}, {" Aa ", 'A', 'A'}, {"d", 'D', '\0'}, {"", ' ', '\0'}}) {
    FakeField field(text);
    char stored[2] = {'Z', 'Z'};
    ReadTwoLetterCodeField(field, stored[0], stored[1]);
    EXPECT_TRUE(stored[0] == code && stored[1] == code2 && field.focusCount == 0) << text;
  }
  const auto read = [](IEntryField& field, char& code) {
    char code2 = 'Y';
    ReadTwoLetterCodeField(field, code, code2);
  };
  ExpectRejected<char>(
      read, "DDD", 'Z',
      "\"DDD\" is too long, no more than TWO characters are allowed here.\r\r" + kRetained);
  ExpectRejected<char>(
      read, "D1", 'Z',
      "\"D1\" is not a code, a code of two characters must be two letters.\r\r" + kRetained);
}

TEST(EntryChecks, ShowNothingAndKeepTheirResults) {
  ScriptedMessageBoxes boxes;  // no answers queued: any box fails the test
  EXPECT_FALSE(CheckSSN("123-45-6789"));
  EXPECT_FALSE(CheckSSN("000-12-3456"));
  EXPECT_TRUE(CheckSSN("001-01-0001"));
  EXPECT_FALSE(CheckEIN("00-1234567"));
  EXPECT_TRUE(CheckEIN("12-3456789"));
  std::string state = "xx";
  EXPECT_FALSE(CheckStateAbbrev(state));
  state = "ny";
  EXPECT_TRUE(CheckStateAbbrev(state));
  EXPECT_EQ(state, "NY");
  EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
