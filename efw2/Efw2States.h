#pragma once
// Which states want the employer's W-2 data, and how: the states' numeric
// codes of the state wage record (RS) and, for each state and the District of
// Columbia, whether it taxes wages and what is filed with it. The export
// dialog and the state W-2 file take their texts from here.

#include <string>
#include <string_view>

namespace efw2 {

struct StateFiling {
  enum Kind {
    W2File,     // wants the W-2 data, as an EFW2 file with its RS records
    NoW2File,   // taxes wages but takes the wage data on another return
    NoWageTax,  // no income tax on wages: nothing to file
  };
  std::string_view Abbrev;
  int Code;  // the numeric (FIPS) state code of RS 3-4 and 274-275
  Kind Filing;
  // W2File: how the state takes the file and when it is due; NoW2File: what is
  // filed instead. Empty for NoWageTax.
  std::string_view How;
};

// The state of a two-letter abbreviation (upper case); null for anything else.
const StateFiling* StateFilingOf(std::string_view abbrev);

// What the state wants, as the export dialog and the README say it:
// "Pennsylvania wants the W-2 data: ...", "California takes no W-2 file: ...",
// "Texas has no income tax on wages: no W-2 filing is needed." Empty for an
// abbreviation that is no state.
std::string StateFilingText(std::string_view abbrev);

// The state's name ("Pennsylvania", "District of Columbia"); the abbreviation
// itself when it is no state.
std::string StateName(std::string_view abbrev);

}  // namespace efw2
