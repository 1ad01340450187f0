#pragma once
// Comma-separated text as spreadsheets and payroll programs write it: comma,
// semicolon or tab between the fields, fields in double quotes where they
// hold a separator, a quote ("" inside) or a line break, lines ended by LF or
// CR LF. The bytes may be UTF-8 (with or without the byte order mark) or
// Windows-1252; the cells come out in Windows-1252, the records' code page.

#include <string>
#include <string_view>
#include <vector>

using CsvRow = std::vector<std::string>;

struct CsvTable {
  char Separator = ',';
  // Whether the bytes were taken for Unicode, UTF-8 or UTF-16 (else Windows-1252).
  bool Utf8 = false;
  // The header row first. A line of nothing but blanks is left out.
  std::vector<CsvRow> Rows;
  // The number of each row as a spreadsheet shows it (1 for the header),
  // blank rows counted.
  std::vector<int> RowNumbers;
};

// The bytes of a CSV file as Windows-1252 text: after a UTF-8 or UTF-16 byte
// order mark the text is converted, and so is text that is valid UTF-8 and
// holds a byte above 127; anything else is taken as Windows-1252 already.
// `utf8` tells whether the text was converted.
std::string CsvBytesToCp1252(std::string_view bytes, bool& utf8);

// The separator of the header line: the one of comma, semicolon and tab that
// occurs most often outside quotes (comma when none does).
char GuessCsvSeparator(std::string_view text);

// The whole file read into rows of cells. Cells are kept as they stand: no
// blanks are trimmed, quotes around a field are removed and "" inside them
// becomes one quote. An unclosed quote runs to the end of the file.
CsvTable ReadCsv(std::string_view bytes);

// One field as the export writes it: in quotes when it holds the separator,
// a quote, a line break or blanks at either end.
std::string CsvField(std::string_view text, char separator);
