#pragma once
// File, Export Corrections for SSA (EFW2C): the submitter data (the wage
// file's, remembered the same way), the checks, the report of what they
// found, the file, and a summary of what it holds.

#include <optional>
#include <string>
#include <vector>

#include "efw2/Efw2Export.h"
#include "rules/Corrections.h"

// Writes the correction file of the employees whose W-2c goes to the SSA.
// Returns the path written; nothing when the user cancelled or an error
// stopped the export.
std::optional<std::string> ExportCorrectionsForSsa(
    TQuillmarFormFile& file, TQuillmarRegistry& registry, const Efw2ExportSeams& seams,
    const std::vector<EmployeeCorrection>& corrections, bool safeHarborToo);
