#pragma once
// File, Export for SSA (EFW2): the submitter data, the checks over every W-2
// and the W-3, the report of what they found, the file, and a summary of
// what it holds. File, Export State W-2 File: the same for one state's W-2
// file, after the choice of the state.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/W2Record.h"
#include "efw2/Efw2StateFile.h"
#include "efw2/Efw2Submitter.h"
#include "platform/FileDialog.h"
#include "platform/PosixFile.h"

class TQuillmarFormFile;
class TQuillmarRegistry;

// The dialog in which the user confirms or changes the submitter data.
class IEfw2SubmitterDialog {
 public:
  virtual ~IEfw2SubmitterDialog() = default;
  // Shows `submitter` for editing and stores what the user confirmed; false
  // when the user cancels. With `kindFromW3` the W-3 record has chosen the
  // kind of employer: the dialog shows it and offers no choice.
  virtual bool Execute(Efw2Submitter& submitter, bool kindFromW3) = 0;
};

// Shows the lines of a report in the error report window, modally.
using Efw2ReportSink = std::function<void(const std::vector<std::string>& lines)>;

struct Efw2ExportSeams {
  IEfw2SubmitterDialog& SubmitterDialog;
  IFileDialog& FileDialog;
  Efw2ReportSink ShowReport;
};

// The W-2s to report: every record of the name index in its order, without
// void records and without the blank placeholder. The file position is
// restored. A record that cannot be read whole throws QuillmarError.
std::vector<W2Record> Efw2Employees(TQuillmarFormFile& file);

// Writes the records to `path` through a temporary file that is renamed over
// it: an error part way leaves no half file under the name. A new file is
// readable by the user only (0600), an existing one keeps its permissions.
// On error the result holds the reason.
IoResult WriteEfw2File(const std::string& path, const std::string& records);

// Recomputes the W-3 totals, asks for the submitter data (and remembers it),
// checks, shows the findings, asks where to write the file (W2REPORT in the
// data file's folder at first), writes it and sums it up in a message.
// Returns the path written; nothing when the user cancelled or an error
// stopped the export.
std::optional<std::string> ExportForSsa(TQuillmarFormFile& file, TQuillmarRegistry& registry,
                                        const Efw2ExportSeams& seams);

// The dialog in which the user picks the state of a state W-2 file.
class IEfw2StateDialog {
 public:
  virtual ~IEfw2StateDialog() = default;
  // Offers `states` (the box 15 states of the file), each with what it wants
  // (StateFilingText), and stores the state picked and, for a state that asks
  // for one, its filer number in `choice`; false when the user cancels.
  virtual bool Execute(const std::vector<std::string>& states, Efw2StateChoice& choice) = 0;
};

struct Efw2StateExportSeams {
  IEfw2StateDialog& StateDialog;
  Efw2ExportSeams Export;
};

// Writes a state W-2 file to `path`, as WriteEfw2File, readable by its owner
// only when it is created (it holds SSNs). False on error.
bool WriteStateW2File(const std::string& path, const std::string& records);

// Recomputes the W-3 totals, asks for the state among the box 15 states of
// the file, then for the submitter data (remembered as for the SSA's file),
// checks, shows the findings, asks where to write the file (W2REPORT_<state>.TXT
// in the data file's folder at first), writes it and sums it up in a
// message. Returns the path written; nothing when there is no box 15 state,
// the user cancelled or an error stopped the export.
std::optional<std::string> ExportStateW2(TQuillmarFormFile& file, TQuillmarRegistry& registry,
                                         const Efw2StateExportSeams& seams);
