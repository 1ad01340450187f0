#pragma once
// Which W-2 field each column of a spreadsheet fills: guessed from the header
// names, or as the user mapped the same header the last time.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/CsvText.h"

// The W2CsvFields index each column fills; kNotImported for a column left out.
using ColumnMapping = std::vector<int>;
inline constexpr int kNotImported = -1;

// A header as the guess compares it: lower-case ASCII letters and digits only.
std::string NormalizedHeader(std::string_view header);

// The guess for each column, left to right: a remembered choice first (a
// member name of W2CsvFields, or "" for a column left out), else the first
// field not yet taken whose caption, member or aliases name the header (also
// with a leading "Employee"/"Employee's" dropped). `remembered` may be empty
// or hold one entry per column, nothing where no choice is remembered.
ColumnMapping GuessMapping(const CsvRow& headers,
                           const std::vector<std::optional<std::string>>& remembered = {});

// What keeps a mapping from being imported: no SSN column, or a field chosen
// for two columns; nothing when it can be imported.
std::optional<std::string> MappingProblem(const ColumnMapping& mapping);

// A cell as the import will read it into the field (kNotImported: the cell
// as it stands): the value as the export would write it again, or
// "Refused: " and the reason.
std::string CellAsRead(int field, const std::string& cell, std::int32_t taxYear);
