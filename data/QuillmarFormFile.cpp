#include "data/QuillmarFormFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/AsciiText.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/PosixFile.h"
#include "platform/QuillmarError.h"

namespace {

constexpr const char* kNewSsnOnFile = "SSN for new record is already on file, cannot save changes";
constexpr const char* kChangedSsnOnFile =
    "SSN was changed and new number already on file, cannot save changes";
constexpr const char* kOutOfPlace =
    "The file is damaged: this record is not in its place, cannot save changes";
constexpr const char* kSameNameIntro = "There is more than one employee with the same name, ";
constexpr const char* kSameNameNext = "click Yes to select this employee, No to see next";
constexpr const char* kSameNameLast = "THIS IS THE LAST ONE, click OK to select this employee";

// The scan reads this many records at a time.
constexpr std::size_t kScanChunkRecords = 1024;

// Messages are Windows-1252; the path is the file system's UTF-8.
QuillmarError FileError(const char* what, const std::string& path) {
  return QuillmarError(std::string(what) + " " + Utf8ToCp1252(path));
}

// "Cannot write file <path>", and on a line of its own why.
QuillmarError WriteError(const std::string& path, IoResult result) {
  return QuillmarError("Cannot write file " + Utf8ToCp1252(path) + "\r" +
                       IoErrorText(result.error));
}

// Reads up to `count` bytes at `offset`; fewer at the end of the file or on a
// read error.
std::size_t ReadFull(int fd, std::int64_t offset, void* buffer, std::size_t count) {
  std::size_t got = 0;
  (void)ReadFullAt(fd, offset, buffer, count, got);
  return got;
}

// A new record of the kind as the program starts it: zeros, now, the kind,
// and for a W-2 the four box 12 codes blank.
TRecordBuffer BlankRecord(std::uint16_t kind) {
  TRecordBuffer record;
  record.Clear();
  record.header.LastSaved = NowDateTime();
  record.header.RecType = kind;
  if (kind == kRecTypeW2) {
    for (Box12Entry& line : record.w2.Box12) line.Code = ' ';
  }
  return record;
}

std::string QuestionFor(const TRecordBuffer& record) {
  switch (record.RecType()) {
    case kRecTypeW3:
      return "Save changes to W-3 for " + record.w3.EmployerName.Str() + " ?";
    case kRecTypeW2: {
      const W2Record& w2 = record.w2;
      return "Save changes to W-2 for " + w2.SocSecNum.Str() + " " + w2.FirstName.Str() + " " +
             w2.MiddleInitial.Str() + " " + w2.LastName.Str() + " ?";
    }
    default:
      return "Save changes on this screen ?";
  }
}

// Keys whose first three characters lie between "000" and "999" are Social
// Security numbers.
bool StartsLikeSsn(std::string_view key) {
  const std::string_view head = key.substr(0, 3);
  return head.compare("000") >= 0 && head.compare("999") <= 0;
}

// Why an existing file could not be opened: the reason `failure` came to.
enum class OpenFailure { Errno, NotAFile, HeldElsewhere };

// The line after "Cannot open file <path>": what the user can act on.
std::string OpenFailureText(const std::string& path, OpenFailure failure, int error) {
  if (failure == OpenFailure::HeldElsewhere) {
    return "It is open in another window of Quillmar or in another program.";
  }
  if (failure == OpenFailure::NotAFile) return "It is a folder or a device, not a file.";
  switch (error) {
    case ENOENT:
      return "The file does not exist.";
    case EACCES:
    case EPERM:
      // Readable but not writable: the file (or its medium) is read-only.
      if (::access(path.c_str(), R_OK) == 0) return "The file is read-only.";
      return "Permission denied: you may not read or write it.";
    case EISDIR:
      return "It is a folder or a device, not a file.";
    default:
      return IoErrorText(error);
  }
}

QuillmarError OpenError(const std::string& path, OpenFailure failure, int error) {
  return QuillmarError("Cannot open file " + Utf8ToCp1252(path) + "\r" +
                       OpenFailureText(path, failure, error));
}

// Opens an existing data file for reading and writing and locks it against
// other writers; throws "Cannot open file <path>" with the reason when that
// is not possible.
int OpenExisting(const std::string& path) {
  // Non-blocking, so that a FIFO or device in the file's place cannot hang the open.
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) throw OpenError(path, OpenFailure::Errno, errno);
  struct stat st {};
  OpenFailure failure = OpenFailure::Errno;
  int error = 0;
  if (::fstat(fd, &st) != 0 || ::fcntl(fd, F_SETFL, 0) != 0) {
    error = errno;
  } else if (!S_ISREG(st.st_mode)) {
    failure = OpenFailure::NotAFile;
  } else if (const IoResult locked = LockWhole(fd); !locked) {
    error = locked.error;
    if (error == EAGAIN || error == EACCES) failure = OpenFailure::HeldElsewhere;
  } else {
    return fd;
  }
  ::close(fd);
  throw OpenError(path, failure, error);
}

// The records of a new data file: header, empty W-3 record, blank
// placeholder W-2, all with the same LastSaved.
void MakeNewFileImage(TRecordBuffer (&image)[3]) {
  image[0].Clear();
  image[0].header.LastSaved = NowDateTime();
  image[0].header.RecType = kRecTypeHeader;
  image[1] = image[0];
  image[1].header.RecType = kRecTypeW3;
  image[2] = image[0];
  image[2].header.RecType = kRecTypeW2;
  for (Box12Entry& line : image[2].w2.Box12) line.Code = ' ';
}

// Writes the records of a new data file at the start of the open file and syncs it.
bool WriteNewFileImage(int fd) {
  TRecordBuffer image[3];
  MakeNewFileImage(image);
  bool written = true;
  for (int i = 0; i < 3 && written; ++i) {
    written = WriteAllAt(fd, std::int64_t{i} * kRecSize, image[i].bytes, kRecSize).Ok();
  }
  return written && SyncData(fd);
}

// Gives the finished file `temp` the name `path` only if that name is free:
// 0, or the errno (EEXIST when the name is taken).
int LinkIfFree(const std::string& temp, const std::string& path) {
  if (::link(temp.c_str(), path.c_str()) == 0) {
    ::unlink(temp.c_str());
    return 0;
  }
  if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) return errno;
  // A file system without hard links (FAT, some network shares).
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // Neither: the name is tested just before; the file still appears whole.
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) return EEXIST;
  return ::rename(temp.c_str(), path.c_str()) == 0 ? 0 : errno;
}

// A new data file's image, written whole and synced under a temporary name
// beside `path`, locked, readable and writable by the user only (or with
// `mode`, that of the file it is to replace). Returns the open file and its
// name, -1 when it cannot be made (nothing is left behind then).
int MakeImageFile(const std::string& path, std::string& temp, mode_t mode) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    temp = TempFileName(path).string();
    const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return -1;
    if (LockWhole(fd) && (mode == 0600 || ::fchmod(fd, mode) == 0) && WriteNewFileImage(fd)) {
      return fd;
    }
    ::unlink(temp.c_str());
    ::close(fd);
    return -1;
  }
  return -1;
}

// Makes a new data file: header, empty W-3 record, blank placeholder W-2,
// all with the same LastSaved. The file is written whole and synced under a
// temporary name beside it, locked, and only then given its name, so nobody
// ever sees it empty or half written. Returns the open, locked file; -1 when
// another program made the file first. Throws when it cannot be made;
// nothing is left behind then.
int CreateNew(const std::string& path) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    std::string temp;
    const int fd = MakeImageFile(path, temp, 0600);
    if (fd < 0) throw FileError("Cannot create file", path);
    const int linked = LinkIfFree(temp, path);
    if (linked == 0) {
      (void)SyncFolderOf(path);
      return fd;
    }
    ::unlink(temp.c_str());
    ::close(fd);
    if (linked == EEXIST) return -1;
    // ENOENT: the temporary file was taken for a leftover before it was locked.
    if (linked != ENOENT) break;
  }
  throw FileError("Cannot create file", path);
}

// An empty file, open and locked as `fd`, becomes a new data file as a
// missing one does, and as safely: the image is written whole under a
// temporary name with the empty file's permissions and renamed over it, but
// only while `path` still names the empty file this program holds. Returns
// the new file, open and locked, in place of `fd`.
int ReplaceEmptyFile(int fd, const std::string& path) {
  struct stat held {};
  struct stat named {};
  std::string temp;
  const int made = ::fstat(fd, &held) == 0 ? MakeImageFile(path, temp, held.st_mode & 07777) : -1;
  const bool same = made >= 0 && ::stat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
                    named.st_ino == held.st_ino;
  if (same && ::rename(temp.c_str(), path.c_str()) == 0) {
    (void)SyncFolderOf(path);
    ::close(fd);
    return made;
  }
  if (made >= 0) {
    ::unlink(temp.c_str());
    ::close(made);
  }
  ::close(fd);
  // Another program made the empty file a data file first.
  if (made >= 0 && !same) throw OpenError(path, OpenFailure::HeldElsewhere, 0);
  throw FileError("Cannot create file", path);
}

// An existing file is taken when it is a data file (a header record, then
// the W-3 record) or empty, which becomes a new data file as a missing one
// does. Anything else is refused before a byte of it is written: the file is
// closed and left as it was. True when the empty file was made a new data
// file; `fd` is then the new one.
bool TakeExistingFile(int& fd, const std::string& path) {
  struct stat st {};
  if (::fstat(fd, &st) == 0 && st.st_size == 0) {
    fd = ReplaceEmptyFile(fd, path);
    return true;
  }
  TRecordBuffer header;
  TRecordBuffer w3;
  const bool dataFile = ReadFull(fd, kHeaderOffset, header.bytes, kRecSize) == kRecSize &&
                        ReadFull(fd, kW3Offset, w3.bytes, kRecSize) == kRecSize &&
                        header.RecType() == kRecTypeHeader && w3.RecType() == kRecTypeW3;
  if (dataFile) return false;
  ::close(fd);
  throw QuillmarError(Utf8ToCp1252(path) + " is not a Quillmar data file.");
}

}  // namespace

std::unique_ptr<TQuillmarFormFile> TQuillmarFormFile::Create(const std::string& path) {
  return Open(path, true);
}

std::unique_ptr<TQuillmarFormFile> TQuillmarFormFile::Open(const std::string& path,
                                                           bool mayCreate) {
  // A maker killed part way leaves its temporary file (even one that has the
  // file's name already): nobody holds it any more.
  RemoveLeftoverTempFiles(path);
  struct stat st {};
  const bool exists = ::lstat(path.c_str(), &st) == 0 || errno != ENOENT;
  if (!exists && !mayCreate) throw OpenError(path, OpenFailure::Errno, ENOENT);
  const int made = exists ? -1 : CreateNew(path);
  int fd = -1;
  if (made >= 0) {
    fd = made;
  } else if (!exists) {
    // Made by another program at the same moment, which holds it.
    try {
      fd = OpenExisting(path);
    } catch (const QuillmarError&) {
      throw FileError("Cannot create file", path);
    }
  } else {
    fd = OpenExisting(path);
  }
  // An existing file must be a data file, or empty (it becomes a new one).
  const bool madeNew = made >= 0 || TakeExistingFile(fd, path);
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    throw FileError("Cannot open file", path);
  }
  std::unique_ptr<TQuillmarFormFile> file(new TQuillmarFormFile(path, fd, st.st_mode & 0666));
  // A journal beside a brand-new file belongs to an earlier file of that name:
  // never applied, kept aside when whole.
  TRecordJournal::Recovery recovery = file->journal_.Recover(fd, !madeNew);
  if (!recovery.usable) {
    throw QuillmarError("Cannot open file " + Utf8ToCp1252(path) + "\rIts save journal " +
                        Utf8ToCp1252(file->journal_.Path()) + " cannot be read or applied.");
  }
  file->keptJournal_ = std::move(recovery.keptAs);
  file->BuildIndexes();
  return file;
}

TQuillmarFormFile::TQuillmarFormFile(std::string path, int fd, mode_t mode)
    : path_(std::move(path)), fd_(fd), journal_(path_, mode) {}

TQuillmarFormFile::~TQuillmarFormFile() {
  // The journal goes while the file is still locked.
  journal_.Close();
  ::close(fd_);
}

// ---- the stream ----

std::int64_t TQuillmarFormFile::Seek(std::int64_t offset) {
  position_ = std::max<std::int64_t>(offset, 0);
  return position_;
}

std::int64_t TQuillmarFormFile::Size() const {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return 0;
  return static_cast<std::int64_t>(st.st_size);
}

std::size_t TQuillmarFormFile::Read(void* buffer, std::size_t count) {
  const std::size_t n = ReadFull(fd_, position_, buffer, count);
  position_ += static_cast<std::int64_t>(n);
  return n;
}

void TQuillmarFormFile::Write(const void* buffer, std::size_t count) {
  if (const IoResult written = WriteAllAt(fd_, position_, buffer, count); !written) {
    throw WriteError(path_, written);
  }
  position_ += static_cast<std::int64_t>(count);
}

std::size_t TQuillmarFormFile::ReadAt(std::int64_t offset, TRecordBuffer& record) {
  Seek(offset);
  const std::size_t n = Read(record.bytes, kRecSize);
  // A short read leaves no remains of the buffer's earlier content.
  std::memset(record.bytes + n, 0, kRecSize - n);
  return n;
}

// The whole record through the journal, then to the disk before returning:
// a saved record survives a crash or power loss, and a save cut off by one
// leaves the record either as it was or whole as saved.
void TQuillmarFormFile::WriteRecord(std::int64_t offset, const TRecordBuffer& record) {
  const std::int64_t sizeBefore = Size();
  TRecordBuffer before;
  before.Clear();
  const std::size_t beforeBytes = ReadFull(fd_, offset, before.bytes, kRecSize);
  if (const IoResult journaled = journal_.Write(fd_, offset, record.bytes); !journaled) {
    throw WriteError(path_, journaled);
  }
  position_ = offset;
  IoResult written = WriteAllAt(fd_, offset, record.bytes, kRecSize);
  if (written) written = SyncData(fd_);
  if (written) {
    position_ += kRecSize;
    journal_.Done();
    return;
  }
  // The failed save is taken back: the record is put back as it was (a part
  // of a new record left at the end would be a second copy of this employee
  // once the same save is tried again), and the journal is cleared on the
  // disk, so that no later open completes a save reported as failed. Should
  // the record not go back, the journal is made to put back the old record
  // at the next open; a new record's place then keeps what the disk made of it.
  const bool restored =
      (Size() <= sizeBefore || ::ftruncate(fd_, static_cast<off_t>(sizeBefore)) == 0) &&
      WriteAllAt(fd_, offset, before.bytes, beforeBytes) && SyncData(fd_);
  if (restored || beforeBytes < kRecSize ||
      !journal_.TakeBackAtNextOpen(fd_, offset, before.bytes, record.bytes)) {
    (void)journal_.TakeBack();
  }
  throw WriteError(path_, written);
}

// ---- opening ----

void TQuillmarFormFile::BuildIndexes() {
  const std::size_t headerBytes = ReadAt(kHeaderOffset, OrigRec);
  const std::size_t w3Bytes = ReadAt(kW3Offset, W3Rec);
  const std::int64_t scanStart = static_cast<std::int64_t>(headerBytes + w3Bytes);

  // Every whole record from the scan start is a W-2 entry, whatever its
  // kind; a partial record at the end is left out.
  std::vector<SortedKeyList::Entry> names;
  std::vector<SortedKeyList::Entry> ssns;
  std::vector<unsigned char> chunk(kScanChunkRecords * kRecSize);
  std::int64_t offset = scanStart;
  for (;;) {
    const std::size_t got = ReadFull(fd_, offset, chunk.data(), chunk.size());
    for (std::size_t i = 0; i < got / kRecSize; ++i) {
      W2Record record;
      std::memcpy(&record, chunk.data() + i * kRecSize, sizeof record);
      entries_.push_back(TQuillmarFileOfs{offset});
      TQuillmarFileOfs* entry = &entries_.back();
      names.push_back({MakeNameKey(record), entry});
      ssns.push_back({record.SocSecNum.Str(), entry});
      offset += kRecSize;
    }
    if (got < chunk.size()) break;
  }
  nameIndex_.Load(std::move(names));
  ssnIndex_.Load(std::move(ssns));

  // The first W-2 record in file order is current.
  recPos_ = scanStart;
  ReadAt(recPos_, OrigRec);
  WorkRec = OrigRec;
  curOfs_ = EntryAt(recPos_);
  IndexMode = 0;
}

std::string TQuillmarFormFile::MakeNameKey(const W2Record& record) {
  std::string key = record.LastName.Str();
  if (!record.FirstName.Empty()) {
    key += ", ";
    key.append(record.FirstName.Chars, record.FirstName.Length());
  }
  if (!record.MiddleInitial.Empty()) {
    key += ' ';
    key.append(record.MiddleInitial.Chars, record.MiddleInitial.Length());
  }
  return UpperCaseAscii(key);
}

TQuillmarFileOfs* TQuillmarFormFile::EntryAt(std::int64_t offset) {
  const auto it =
      std::lower_bound(entries_.begin(), entries_.end(), offset,
                       [](const TQuillmarFileOfs& e, std::int64_t o) { return e.Offset < o; });
  return it != entries_.end() && it->Offset == offset ? &*it : nullptr;
}

// New W-2 records go after the last whole record: a partial record left at
// the end of a damaged file is overwritten, never built upon.
std::int64_t TQuillmarFormFile::AppendOffset() const {
  const std::int64_t size = Size();
  return std::max(kFirstW2Offset, size - size % kRecSize);
}

// ---- saving ----

IFileDecisions* TQuillmarFormFile::SetDecisions(IFileDecisions* decisions) {
  return std::exchange(decisions_, decisions);
}

std::string TQuillmarFormFile::SaveQuestion() const { return QuestionFor(WorkRec); }

std::string TQuillmarFormFile::KeptJournalNotice() const {
  if (keptJournal_.empty()) return {};
  return "A save journal beside " + Utf8ToCp1252(path_) +
         " was written for another file or for other contents of this one. It was not applied "
         "and is kept as " +
         Utf8ToCp1252(keptJournal_) + "; the file opened as it is.";
}

SaveResult TQuillmarFormFile::SaveCurrent(bool ask) {
  lastSave_ = Save(ask);
  return lastSave_;
}

void TQuillmarFormFile::TakeAsShown() {
  hasShown_ = true;
  shownPos_ = recPos_;
  shownFrom_ = OrigRec;
  shown_ = WorkRec;
}

bool TQuillmarFormFile::Untouched() const {
  if (WorkRec.SameBytes(OrigRec)) return true;
  return hasShown_ && shownPos_ == recPos_ && shownFrom_.SameBytes(OrigRec) &&
         shown_.SameBytes(WorkRec);
}

SaveResult TQuillmarFormFile::Save(bool ask) {
  if (Untouched()) return {};
  if (ask && decisions_ != nullptr && !decisions_->SaveChanges(QuestionFor(WorkRec))) {
    WorkRec = OrigRec;
    return SaveResult{SaveResult::Outcome::Declined, {}};
  }
  TRecordBuffer record = WorkRec;
  record.header.LastSaved = NowDateTime();
  const std::uint16_t kind = record.RecType();
  if (kind == kRecTypeW2) return SaveW2(record);

  // The header and the W-3 are written only at their own places; a record
  // of another kind has none (it is one met in a damaged file).
  const std::int64_t at = recPos_;
  if (!(kind == kRecTypeHeader && at == kHeaderOffset) &&
      !(kind == kRecTypeW3 && at == kW3Offset)) {
    return Refuse(kOutOfPlace);
  }
  WriteRecord(at, record);
  OrigRec = WorkRec = record;
  if (kind == kRecTypeW3) W3Rec = record;
  return {};
}

SaveResult TQuillmarFormFile::Refuse(const char* text) {
  return SaveResult{SaveResult::Outcome::Refused, text};
}

// A stored record is blank while it holds nothing but what a new file's
// placeholder holds (its save time aside).
bool TQuillmarFormFile::IsBlankOnDisk(std::int64_t offset) {
  TRecordBuffer stored;
  if (ReadAt(offset, stored) != kRecSize) return false;
  const TRecordBuffer blank = BlankRecord(kRecTypeW2);
  constexpr std::size_t from = offsetof(W2Record, RecType);
  return std::memcmp(stored.bytes + from, blank.bytes + from, kRecSize - from) == 0;
}

SaveResult TQuillmarFormFile::SaveW2(TRecordBuffer& record) {
  const std::string oldSsn = OrigRec.w2.SocSecNum.Str();
  const std::string newSsn = WorkRec.w2.SocSecNum.Str();
  const bool ssnChanged = !(OrigRec.w2.SocSecNum == WorkRec.w2.SocSecNum);
  const std::string newKey = MakeNameKey(WorkRec.w2);

  // The stored record being saved: the one at RecPos. A new record takes the
  // place of the placeholder held under its (empty) SSN while that is still
  // blank, and is appended otherwise. It never takes the place of a record
  // that holds data, even one whose SSN was left empty.
  TQuillmarFileOfs* entry = EntryAt(recPos_);
  const bool isNew = entry == nullptr;
  if (isNew) {
    int found = 0;
    if (ssnIndex_.Find(oldSsn, found) && IsBlankOnDisk(ssnIndex_.Object(found)->Offset)) {
      entry = ssnIndex_.Object(found);
    }
  }

  // An empty SSN is not entered yet and belongs to nobody; any other SSN
  // belongs to one record only.
  int holder = 0;
  const bool ssnTaken = !newSsn.empty() && ssnIndex_.Find(newSsn, holder);
  if (entry == nullptr) {
    if (ssnTaken) return Refuse(kNewSsnOnFile);
    const std::int64_t at = AppendOffset();
    WriteRecord(at, record);
    // Only a record that is on the disk goes into the indexes.
    entries_.push_back(TQuillmarFileOfs{at});
    entry = &entries_.back();
    nameIndex_.Add(newKey, entry);
    ssnIndex_.Add(newSsn, entry);
  } else {
    if (ssnChanged && ssnTaken && ssnIndex_.Object(holder) != entry) {
      return Refuse(isNew ? kNewSsnOnFile : kChangedSsnOnFile);
    }
    WriteRecord(entry->Offset, record);
    if (ssnChanged) {
      const int old = ssnIndex_.IndexOfObject(oldSsn, entry);
      if (old >= 0) ssnIndex_.Delete(old);
      ssnIndex_.Add(newSsn, entry);
    }
    const std::string oldKey = MakeNameKey(OrigRec.w2);
    if (oldKey != newKey) {
      const int old = nameIndex_.IndexOfObject(oldKey, entry);
      if (old >= 0) nameIndex_.Delete(old);
      nameIndex_.Add(newKey, entry);
    }
  }
  recPos_ = entry->Offset;
  curOfs_ = entry;
  OrigRec = WorkRec = record;
  return {};
}

// ---- putting a copy back ----

bool TQuillmarFormFile::RestoreImage(std::string_view image) {
  if (image.size() < 2 * kRecSize || image.size() % kRecSize != 0) return false;
  TRecordBuffer record;
  std::memcpy(record.bytes, image.data(), kRecSize);
  if (record.RecType() != kRecTypeHeader) return false;
  for (std::size_t offset = 0; offset < image.size(); offset += kRecSize) {
    std::memcpy(record.bytes, image.data() + offset, kRecSize);
    TRecordBuffer stored;
    const auto at = static_cast<std::int64_t>(offset);
    if (ReadAt(at, stored) == kRecSize && stored.SameBytes(record)) continue;
    WriteRecord(at, record);
  }
  const auto size = static_cast<std::int64_t>(image.size());
  if (Size() > size) {
    IoResult cut = ::ftruncate(fd_, static_cast<off_t>(size)) == 0 ? IoResult{} : IoResult{errno};
    if (cut) cut = SyncData(fd_);
    if (!cut) throw WriteError(path_, cut);
  }
  nameIndex_.Load({});
  ssnIndex_.Load({});
  entries_.clear();
  lastSave_ = {};
  BuildIndexes();
  return true;
}

// ---- deleting ----

void TQuillmarFormFile::Rekey(TQuillmarFileOfs* entry, const W2Record& from, const W2Record* to) {
  if (const int at = nameIndex_.IndexOfObject(MakeNameKey(from), entry); at >= 0) {
    nameIndex_.Delete(at);
  }
  if (const int at = ssnIndex_.IndexOfObject(from.SocSecNum.Str(), entry); at >= 0) {
    ssnIndex_.Delete(at);
  }
  if (to == nullptr) return;
  nameIndex_.Add(MakeNameKey(*to), entry);
  ssnIndex_.Add(to->SocSecNum.Str(), entry);
}

void TQuillmarFormFile::WriteDelete(std::int64_t offset, std::int64_t last) {
  TRecordBuffer deleted;
  TRecordBuffer moved;
  ReadAt(offset, deleted);
  ReadAt(last, moved);
  if (const IoResult journaled = journal_.WriteDelete(fd_, offset, moved.bytes, last); !journaled) {
    throw WriteError(path_, journaled);
  }
  IoResult done;
  if (offset < last) done = WriteAllAt(fd_, offset, moved.bytes, kRecSize);
  if (done) done = SyncData(fd_);
  if (done && ::ftruncate(fd_, static_cast<off_t>(last)) != 0) done = IoResult{errno};
  if (done) done = SyncData(fd_);
  if (done) {
    journal_.Done();
    return;
  }
  // Taken back as a failed save is: the deleted record goes back (and the
  // moved one, should the cut have happened) and the journal is cleared.
  // When that fails too, the journal stays and the next open completes the
  // delete; no save of this session goes through before.
  const bool restored = (Size() > last || WriteAllAt(fd_, last, moved.bytes, kRecSize)) &&
                        WriteAllAt(fd_, offset, deleted.bytes, kRecSize) && SyncData(fd_);
  if (restored) (void)journal_.TakeBack();
  throw WriteError(path_, done);
}

bool TQuillmarFormFile::DeleteCurrent() {
  lastSave_ = {};
  if (WorkRec.RecType() != kRecTypeW2 || recPos_ < kFirstW2Offset) return false;
  TQuillmarFileOfs* entry = EntryAt(recPos_);
  const std::int64_t place = entry != nullptr ? entry->Offset : -1;
  if (entry != nullptr) {
    const W2Record deleted = [&] {
      TRecordBuffer record;
      ReadAt(entry->Offset, record);
      return record.w2;
    }();
    if (entries_.size() == 1) {
      // The file's only W-2 becomes the placeholder of a new file.
      const TRecordBuffer blank = BlankRecord(kRecTypeW2);
      WriteRecord(entry->Offset, blank);
      Rekey(entry, deleted, &blank.w2);
    } else {
      TQuillmarFileOfs* lastEntry = &entries_.back();
      TRecordBuffer moved;
      ReadAt(lastEntry->Offset, moved);
      WriteDelete(entry->Offset, lastEntry->Offset);
      Rekey(entry, deleted, nullptr);
      // The moved record's keys now lead to the deleted one's entry, at its place.
      if (lastEntry != entry) {
        Rekey(lastEntry, moved.w2, nullptr);
        nameIndex_.Add(MakeNameKey(moved.w2), entry);
        ssnIndex_.Add(moved.w2.SocSecNum.Str(), entry);
      }
      entries_.pop_back();
    }
  }
  // The record now at the place, or the new last one, is current.
  const std::int64_t size = Size();
  const std::int64_t lastOffset = std::max(kFirstW2Offset, size - size % kRecSize - kRecSize);
  const std::int64_t target = place >= 0 ? std::min(place, lastOffset) : lastOffset;
  hasShown_ = false;
  ReadTarget(target);
  if (curOfs_ != nullptr) {
    nameIdxPos_ = std::max(0, nameIndex_.IndexOfObject(MakeNameKey(OrigRec.w2), curOfs_));
    ssnIdxPos_ = std::max(0, ssnIndex_.IndexOfObject(OrigRec.w2.SocSecNum.Str(), curOfs_));
  }
  return true;
}

// ---- moving ----

bool TQuillmarFormFile::ReadW3() {
  if (!SaveCurrent(true)) return false;
  recPos_ = kW3Offset;
  const std::size_t n = ReadAt(kW3Offset, OrigRec);
  WorkRec = OrigRec;
  curOfs_ = nullptr;
  if (n != kRecSize || OrigRec.RecType() != kRecTypeW3) return false;
  W3Rec = OrigRec;
  return true;
}

bool TQuillmarFormFile::AddNew(int kind) {
  lastSave_ = {};
  if (kind != kRecTypeHeader && kind != kRecTypeW3 && kind != kRecTypeW2) return false;
  if (!SaveCurrent(true)) return false;
  OrigRec = BlankRecord(static_cast<std::uint16_t>(kind));
  WorkRec = OrigRec;
  curOfs_ = nullptr;
  if (kind == kRecTypeHeader) {
    recPos_ = kHeaderOffset;
  } else if (kind == kRecTypeW3) {
    recPos_ = kW3Offset;
    W3Rec = OrigRec;
  } else {
    recPos_ = AppendOffset();
  }
  return true;
}

bool TQuillmarFormFile::GoToRecord(std::int64_t offset) {
  lastSave_ = {};
  TQuillmarFileOfs* entry = EntryAt(offset);
  if (entry == nullptr) return false;
  if (!MoveTo(offset)) return false;
  // The moves by name and by SSN go on from this employee.
  nameIdxPos_ = std::max(0, nameIndex_.IndexOfObject(MakeNameKey(OrigRec.w2), entry));
  ssnIdxPos_ = std::max(0, ssnIndex_.IndexOfObject(OrigRec.w2.SocSecNum.Str(), entry));
  return true;
}

bool TQuillmarFormFile::GoFirst() { return Go(Move::First); }
bool TQuillmarFormFile::GoLast() { return Go(Move::Last); }
bool TQuillmarFormFile::GoNext() { return Go(Move::Next); }
bool TQuillmarFormFile::GoPrev() { return Go(Move::Prev); }

bool TQuillmarFormFile::Go(Move move) {
  lastSave_ = {};
  if (IndexMode == 1 && nameIndex_.Count() > 0) return GoInIndex(move, true);
  if (IndexMode == 1 || IndexMode == 2) return GoInIndex(move, false);

  // Entry sequence: the whole W-2 records in file order.
  const std::int64_t size = Size();
  const std::int64_t first = kFirstW2Offset;
  const std::int64_t last = size - size % kRecSize - kRecSize;
  if (last < first) return false;
  std::int64_t target = 0;
  switch (move) {
    case Move::First:
      target = first;
      break;
    case Move::Last:
      target = last;
      break;
    case Move::Next:
      target = std::clamp(recPos_ + kRecSize, first, last);
      break;
    case Move::Prev:
      target = std::clamp(recPos_ - kRecSize, first, last);
      break;
  }
  if ((move == Move::Next || move == Move::Prev) && target == recPos_) return false;
  return MoveTo(target);
}

bool TQuillmarFormFile::GoInIndex(Move move, bool byName) {
  SortedKeyList& index = byName ? nameIndex_ : ssnIndex_;
  int& idxPos = byName ? nameIdxPos_ : ssnIdxPos_;
  const int count = index.Count();
  int target = -1;
  switch (move) {
    case Move::First:
      target = 0;
      break;
    case Move::Last:
      target = count - 1;
      break;
    case Move::Next:
      target = idxPos + 1;
      break;
    case Move::Prev:
      target = idxPos - 1;
      break;
  }
  if (target < 0 || target >= count) return false;
  return MoveToEntry(index, idxPos, target);
}

int TQuillmarFormFile::PickSameName(int position, const std::string& key) {
  int first = position;
  int last = position;
  while (first > 0 && SortedKeyList::CompareKeys(nameIndex_.Key(first - 1), key) == 0) --first;
  while (last + 1 < nameIndex_.Count() &&
         SortedKeyList::CompareKeys(nameIndex_.Key(last + 1), key) == 0)
    ++last;
  if (first == last) return first;
  for (int i = first; i <= last; ++i) {
    TRecordBuffer record;
    ReadAt(nameIndex_.Object(i)->Offset, record);
    const W2Record& w2 = record.w2;
    const std::string text = std::string(kSameNameIntro) +
                             (i < last ? kSameNameNext : kSameNameLast) + "\r\r" +
                             w2.SocSecNum.Str() + "\r" + w2.FirstName.Str() + " " +
                             w2.MiddleInitial.Str() + " " + w2.LastName.Str() + "\r" +
                             w2.Suite.Str() + "\r" + w2.StreetPOB.Str() + "\r" + w2.City.Str();
    if (decisions_ == nullptr) return first;
    if (decisions_->TakeNamesake(text, i == last) && i < last) return i;
  }
  return last;
}

bool TQuillmarFormFile::LocateKey(const std::string& key) {
  lastSave_ = {};
  if (key.empty()) return false;
  int found = 0;
  if (IndexMode == 2 || StartsLikeSsn(key)) {
    if (!ssnIndex_.Find(key, found)) return false;
    return MoveToEntry(ssnIndex_, ssnIdxPos_, found);
  }
  const std::string nameKey = UpperCaseAscii(key);
  if (!nameIndex_.Find(nameKey, found)) return false;
  return MoveToEntry(nameIndex_, nameIdxPos_, PickSameName(found, nameKey));
}

// The common tail of every move and lookup, once its target is chosen.
bool TQuillmarFormFile::MoveTo(std::int64_t target) {
  if (!SaveCurrent(true)) return false;
  return ReadTarget(target);
}

bool TQuillmarFormFile::MoveToEntry(SortedKeyList& index, int& idxPos, int position) {
  TQuillmarFileOfs* entry = index.Object(position);
  // Copied: the save may re-key the index under a reference.
  const std::string key = index.Key(position);
  if (!SaveCurrent(true)) return false;
  // The save may have moved entries; the position stays on the target.
  const int moved = index.IndexOfObject(key, entry);
  idxPos = moved >= 0 ? moved : position;
  return ReadTarget(entry->Offset);
}

bool TQuillmarFormFile::ReadTarget(std::int64_t target) {
  recPos_ = target;
  const std::size_t n = ReadAt(target, OrigRec);
  WorkRec = OrigRec;
  curOfs_ = EntryAt(target);
  return n == kRecSize;
}
