#include "rules/FiledCopy.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "data/BlankW2.h"
#include "data/EntryRules.h"
#include "data/KeepFilePosition.h"
#include "data/QuillmarFormFile.h"
#include "data/RecordBuffer.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/MessageBoxes.h"
#include "platform/QuillmarError.h"

namespace {

constexpr const char* kDataExtension = ".qmr";
constexpr const char* kFiledExtension = ".filed.qmr";

void Put(TRecordBuffer& record, std::size_t offset, const void* value, std::size_t size) {
  std::memcpy(record.bytes + offset, value, size);
}

template <typename T>
T Get(const TRecordBuffer& record, std::size_t offset) {
  T value{};
  std::memcpy(&value, record.bytes + offset, sizeof value);
  return value;
}

}  // namespace

std::string FiledCopyPath(const std::string& dataPath) {
  const std::string ext = kDataExtension;
  if (dataPath.size() > ext.size()) {
    std::string tail = dataPath.substr(dataPath.size() - ext.size());
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (tail == ext) return dataPath.substr(0, dataPath.size() - ext.size()) + kFiledExtension;
  }
  return dataPath + kFiledExtension;
}

std::vector<W2Record> W2sByRecordNumber(TQuillmarFormFile& file) {
  const KeepFilePosition keep(file);
  std::vector<W2Record> records;
  TRecordBuffer record{};
  for (std::int64_t offset = kFirstW2Offset; offset + kRecSize <= file.Size(); offset += kRecSize) {
    file.Seek(offset);
    if (file.Read(record.bytes, sizeof record.bytes) < sizeof record.bytes) {
      throw QuillmarError("A W-2 record of " + file.Path() + " cannot be read.");
    }
    records.push_back(record.w2);
  }
  return records;
}

FiledCopy MakeFiledCopy(const W3Record& w3, const std::vector<W2Record>& w2s, FilingMethod how,
                        DateTime filedOn) {
  FiledCopy copy;
  copy.FiledOn = filedOn;
  copy.How = how;
  copy.W3 = w3;
  copy.W2s.reserve(w2s.size());
  for (const W2Record& w2 : w2s) {
    if (IsCountedW2(w2)) {
      copy.W2s.push_back(w2);
    } else {
      W2Record unfiled{};
      unfiled.RecType = kRecTypeW2;
      unfiled.Void = 1;
      copy.W2s.push_back(unfiled);
    }
  }
  return copy;
}

std::string FiledCopyBytes(const FiledCopy& copy) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(kRecSize) * (2 + copy.W2s.size()));
  TRecordBuffer record{};
  record.Clear();
  record.header.LastSaved = copy.FiledOn;
  record.header.RecType = kRecTypeHeader;
  Put(record, kFiledOnOffset, &copy.FiledOn, sizeof copy.FiledOn);
  const auto how = static_cast<std::uint8_t>(copy.How);
  Put(record, kFiledHowOffset, &how, 1);
  Put(record, kCorrectedOnOffset, &copy.CorrectionsFiledOn, sizeof copy.CorrectionsFiledOn);
  bytes.append(reinterpret_cast<const char*>(record.bytes), kRecSize);
  record.w3 = copy.W3;
  record.w3.RecType = kRecTypeW3;
  bytes.append(reinterpret_cast<const char*>(record.bytes), kRecSize);
  for (const W2Record& w2 : copy.W2s) {
    record.w2 = w2;
    record.w2.RecType = kRecTypeW2;
    bytes.append(reinterpret_cast<const char*>(record.bytes), kRecSize);
  }
  return bytes;
}

std::optional<FiledCopy> ParseFiledCopy(const std::string& bytes) {
  if (bytes.size() < 2u * kRecSize || bytes.size() % kRecSize != 0) return std::nullopt;
  TRecordBuffer record{};
  const auto load = [&](std::size_t n) {
    std::memcpy(record.bytes, bytes.data() + n * kRecSize, kRecSize);
  };
  FiledCopy copy;
  load(0);
  if (record.RecType() != kRecTypeHeader) return std::nullopt;
  const auto how = Get<std::uint8_t>(record, kFiledHowOffset);
  if (how != static_cast<std::uint8_t>(FilingMethod::WageFile) &&
      how != static_cast<std::uint8_t>(FilingMethod::Paper)) {
    return std::nullopt;
  }
  copy.How = static_cast<FilingMethod>(how);
  copy.FiledOn = Get<DateTime>(record, kFiledOnOffset);
  copy.CorrectionsFiledOn = Get<DateTime>(record, kCorrectedOnOffset);
  load(1);
  if (record.RecType() != kRecTypeW3) return std::nullopt;
  copy.W3 = record.w3;
  for (std::size_t n = 2; n < bytes.size() / kRecSize; ++n) {
    load(n);
    if (record.RecType() != kRecTypeW2) return std::nullopt;
    copy.W2s.push_back(record.w2);
  }
  return copy;
}

std::optional<FiledCopy> ReadFiledCopy(const std::string& path, bool* damaged) {
  if (damaged) *damaged = false;
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  std::optional<FiledCopy> copy = ParseFiledCopy(*bytes);
  if (!copy && damaged) *damaged = true;
  return copy;
}

bool WriteFiledCopy(const std::string& path, const FiledCopy& copy) {
  return static_cast<bool>(WritePrivateFileAtomically(path, FiledCopyBytes(copy)));
}

std::string DateText(DateTime when) {
  // Days since 1899-12-30 to a civil date (the days-from-civil inverse of
  // H. Hinnant's date algorithms).
  const long days = static_cast<long>(std::floor(when)) - 25569 + 719468;  // from 1970-01-01
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long doe = days - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const long day = doy - (153 * mp + 2) / 5 + 1;
  const long month = mp < 10 ? mp + 3 : mp - 9;
  const long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  char text[64];
  std::snprintf(text, sizeof text, "%02ld/%02ld/%04ld", month, day, year);
  return text;
}

std::string FilingMethodText(FilingMethod how) {
  return how == FilingMethod::WageFile ? "in the SSA wage file" : "on paper";
}

bool KeepFiledCopy(TQuillmarFormFile& file, FilingMethod how) {
  const std::string path = FiledCopyPath(file.Path());
  bool damaged = false;
  const std::optional<FiledCopy> old = ReadFiledCopy(path, &damaged);
  if (old || damaged) {
    const std::string text =
        (old ? "The W-2s of this file were filed on " + DateText(old->FiledOn) + " (" +
                   FilingMethodText(old->How) + ")."
             : "The filed copy " + Utf8ToCp1252(path) + " cannot be read.") +
        "\r\rReplace the filed copy with the W-2s as they are now? Do so only when the W-2s were "
        "filed again, such as a replacement for a file the SSA rejected.";
    if (MessageBoxes().Show({kAppTitle, text, MsgIcon::Question, MsgYes | MsgNo, false}) != MsgYes)
      return false;
  }
  const FiledCopy copy = MakeFiledCopy(file.W3Rec.w3, W2sByRecordNumber(file), how, NowDateTime());
  if (!WriteFiledCopy(path, copy)) {
    ShowMessage("The filed copy could not be written to " + Utf8ToCp1252(path) + ".",
                MsgIcon::Error);
    return false;
  }
  const auto count = std::count_if(copy.W2s.begin(), copy.W2s.end(),
                                   [](const W2Record& w2) { return w2.Void == 0; });
  ShowMessage("A copy of the " + std::to_string(count) + (count == 1 ? " W-2" : " W-2s") +
                  " and the W-3 as filed " + FilingMethodText(how) + " is kept in\r" +
                  Utf8ToCp1252(path) +
                  "\r\rChanges made from now on are corrections: Edit, Corrections... lists them.",
              MsgIcon::Information);
  return true;
}
