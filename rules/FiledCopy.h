#pragma once
// What was filed: a copy of the W-3 and of every W-2 as the SSA (or the paper
// forms) received them, kept beside the data file as `<name>.filed.qmr`. The
// corrections compare the data file against it.
//
// The copy has the layout of a data file: record 0 a header, record 1 the
// W-3, and from record 2 on one W-2 record for each W-2 record of the data
// file, at the same record number. A W-2 record that was not filed (void, or
// the blank placeholder) is held as a zero record marked void; W-2 records
// added to the data file after filing lie beyond the copy's end. The header
// keeps, in bytes the header layout leaves unused (zero in a data file):
//
// | offset | type | meaning |
// |---|---|---|
// | 12 | DateTime | when the W-2s were filed |
// | 20 | byte | how: 1 the SSA wage file, 2 on paper |
// | 21 | 3 bytes | zero |
// | 24 | DateTime | when corrections were last filed; 0 never |
//
// The program never edits the copy in place: it is written whole through a
// temporary file, mode 0600, and renamed over the old one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/W2Record.h"
#include "data/W3Record.h"
#include "platform/DateTime.h"

class TQuillmarFormFile;

enum class FilingMethod : std::uint8_t { WageFile = 1, Paper = 2 };

// Where the header keeps the filing data.
inline constexpr std::size_t kFiledOnOffset = 12;
inline constexpr std::size_t kFiledHowOffset = 20;
inline constexpr std::size_t kCorrectedOnOffset = 24;

struct FiledCopy {
  DateTime FiledOn = 0;
  FilingMethod How = FilingMethod::Paper;
  DateTime CorrectionsFiledOn = 0;  // 0: no correction filed yet
  W3Record W3{};
  // Index k is the W-2 record at 1280 + 640 k of the data file; a record
  // that was not filed is void.
  std::vector<W2Record> W2s;
};

// "<folder>/<name>.filed.qmr" for the data file "<folder>/<name>.qmr" (any
// other name gets ".filed.qmr" appended).
std::string FiledCopyPath(const std::string& dataPath);

// Every W-2 record of the data file by record number, as on the disk (the
// file keeps its position). A record that cannot be read whole throws
// QuillmarError.
std::vector<W2Record> W2sByRecordNumber(TQuillmarFormFile& file);

// The copy of what is filed now: the W-3 and each filable W-2; the others void.
FiledCopy MakeFiledCopy(const W3Record& w3, const std::vector<W2Record>& w2s, FilingMethod how,
                        DateTime filedOn);

// The bytes of the copy, and back. Reading fails (nothing) for a file that is
// no filed copy: a size that is no whole number of records, a header, W-3 or
// W-2 record of another kind, or an unknown filing method.
std::string FiledCopyBytes(const FiledCopy& copy);
std::optional<FiledCopy> ParseFiledCopy(const std::string& bytes);

// Reads the copy at `path`; nothing when there is none or it cannot be read
// as one (`damaged` then says which).
std::optional<FiledCopy> ReadFiledCopy(const std::string& path, bool* damaged = nullptr);
// Writes it whole, mode 0600; false when it could not be written (an old
// copy is then unchanged).
bool WriteFiledCopy(const std::string& path, const FiledCopy& copy);

// "12/08/2026" for a DateTime of the records.
std::string DateText(DateTime when);
// "in the SSA wage file" / "on paper".
std::string FilingMethodText(FilingMethod how);

// Keeps the copy of what the open file files now (its W-3 as the totals
// last left it, and its W-2s), asking first when a copy is kept already;
// tells the user where it went. True when it was written.
bool KeepFiledCopy(TQuillmarFormFile& file, FilingMethod how);
