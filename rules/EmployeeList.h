#pragma once
// The employee list (Edit, Employee List...): every W-2 of the file with its
// name, SSN, boxes 1 to 6 and void mark, and the W-3's count and totals of
// them, added up by the W-3's own rule (AddToW3Totals).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/Currency.h"
#include "data/W3Record.h"

class TQuillmarFormFile;

struct EmployeeListRow {
  std::int64_t offset = 0;  // the W-2 record's place in the file
  std::string name;         // "Baker, Ann Q"
  std::string ssn;
  std::array<Currency, 6> boxes{};  // boxes 1 to 6
  bool isVoid = false;
};

struct EmployeeList {
  // Every W-2 record in file order; a blank one (no SSN, no name, no amount) is no W-2.
  std::vector<EmployeeListRow> rows;
  // The count and totals of the W-3 (the file's tax year), void W-2s left out.
  W3Record totals{};
};

// Reads the list from the disk; the file keeps its position and current
// record. A record that cannot be read whole ends the list.
EmployeeList ListEmployees(TQuillmarFormFile& file);

// Whether the row is found by the search text: its name or SSN holds it,
// whatever the case; digits typed without hyphens find an SSN too. An empty
// search finds every row.
bool EmployeeRowMatches(const EmployeeListRow& row, std::string_view search);
