#include <gtest/gtest.h>

#include "rules/CsvText.h"

namespace {

using Rows = std::vector<CsvRow>;

struct CsvCase {
  const char* name;
  std::string bytes;
  char separator;
  Rows rows;
  std::vector<int> rowNumbers;
};

// clang-format off
const CsvCase kCases[] = {
  {"CommaWithCrLf", "SSN,Zip\r\n012-34-5678,02134\r\n", ',',
   {{"SSN", "Zip"}, {"012-34-5678", "02134"}}, {1, 2}},
  {"SemicolonLeadingZerosAndNoFinalLineBreak", "SSN;Zip;Wages\n001234567;00501;1,234.50", ';',
   {{"SSN", "Zip", "Wages"}, {"001234567", "00501", "1,234.50"}}, {1, 2}},
  {"TabKeepsBlanksAndCommas", "Name\tStreet\nAnn \t 1 Elm St, Apt 2\n", '\t',
   {{"Name", "Street"}, {"Ann ", " 1 Elm St, Apt 2"}}, {1, 2}},
  {"QuotedSeparatorAndDoubledQuote", "a,b\n\"Smith, Jr.\",\"say \"\"hi\"\"\"\n", ',',
   {{"a", "b"}, {"Smith, Jr.", "say \"hi\""}}, {1, 2}},
  {"LineBreaksInsideQuotesLfAndCrLf", "a,b\n\"1 Elm\nSuite 2\",x\r\n\"c\r\nd\",y\n", ',',
   {{"a", "b"}, {"1 Elm\nSuite 2", "x"}, {"c\nd", "y"}}, {1, 2, 3}},
  {"SeparatorInQuotedHeaderDoesNotCount", "\"a;b\",c\n1,2\n", ',',
   {{"a;b", "c"}, {"1", "2"}}, {1, 2}},
  {"BlankRowsLeftOutButCounted", "a,b\n,\n\n1,2\n", ',', {{"a", "b"}, {"1", "2"}}, {1, 4}},
  {"Utf8WithBom", "\xEF\xBB\xBFName\nJos\xC3\xA9 \xE2\x82\xAC\n", ',',
   {{"Name"}, {"Jos\xE9 \x80"}}, {1, 2}},
  {"Utf16LittleEndianTabsFromASpreadsheet", std::string("\xFF\xFEN\0a\0\t\0Z\0\n\0\xE9\0\t\0" "0\0" "1\0\n\0", 22),
   '\t', {{"Na", "Z"}, {"\xE9", "01"}}, {1, 2}},
  {"Utf16BigEndian", std::string("\xFE\xFF\0A\0\n\0\x42", 8), ',', {{"A"}, {"B"}}, {1, 2}},
  {"Utf8WithoutBom", "Name\nZo\xC3\xAB\n", ',', {{"Name"}, {"Zo\xEB"}}, {1, 2}},
  {"Windows1252StaysAsItIs", "Name\nJos\xE9 M\xFCller\n", ',', {{"Name"}, {"Jos\xE9 M\xFCller"}}, {1, 2}},
  {"Utf8OutsideWindows1252BecomesQuestionMark", "Name\n\xE4\xB8\xAD\n", ',', {{"Name"}, {"?"}}, {1, 2}},
  {"UnclosedQuoteRunsToTheEnd", "a\n\"open,\nrest", ',', {{"a"}, {"open,\nrest"}}, {1, 2}},
};
// clang-format on

class CsvRead : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvRead, RowsAsTheSpreadsheetHadThem) {
  const CsvCase& c = GetParam();
  const CsvTable table = ReadCsv(c.bytes);
  EXPECT_EQ(table.Separator, c.separator);
  EXPECT_EQ(table.Rows, c.rows);
  EXPECT_EQ(table.RowNumbers, c.rowNumbers);
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvRead, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CsvCase>& param) {
                           return std::string(param.param.name);
                         });

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvField("02134", ','), "02134");
  EXPECT_EQ(CsvField("Smith, Jr.", ','), "\"Smith, Jr.\"");
  EXPECT_EQ(CsvField("Smith, Jr.", ';'), "Smith, Jr.");
  EXPECT_EQ(CsvField("say \"hi\"", ','), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("a\nb", ','), "\"a\nb\"");
  EXPECT_EQ(CsvField("12345-    ", ','), "\"12345-    \"");
}

}  // namespace
