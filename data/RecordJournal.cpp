#include "data/RecordJournal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "data/RecordKind.h"

namespace {

constexpr char kMagic[8] = {'Q', 'M', 'R', 'J', 'R', 'N', 'L', '2'};
// The journal of earlier versions, bound to nothing but its place.
constexpr char kUnboundMagic[8] = {'Q', 'M', 'R', 'J', 'R', 'N', 'L', '1'};
constexpr std::size_t kUnboundSize = 16 + kRecSize + 4;
constexpr std::size_t kOffsetAt = 8;
constexpr std::size_t kInodeAt = 16;
constexpr std::size_t kHeaderCrcAt = 24;
constexpr std::size_t kOldLengthAt = 28;
constexpr std::size_t kOldAt = 32;
constexpr std::size_t kRecordAt = kOldAt + kRecSize;
constexpr std::size_t kCrcAt = kRecordAt + kRecSize;
constexpr std::size_t kJournalSize = kCrcAt + 4;
// The delete journal: the same fields, then the size the file is cut to.
constexpr char kDeleteMagic[8] = {'Q', 'M', 'R', 'J', 'R', 'N', 'L', 'D'};
constexpr std::size_t kNewSizeAt = kCrcAt;
constexpr std::size_t kDeleteCrcAt = kNewSizeAt + 8;
constexpr std::size_t kDeleteSize = kDeleteCrcAt + 4;

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

// CRC-32 as zip and PNG compute it.
std::uint32_t Crc32(const unsigned char* data, std::size_t size) {
  static constexpr std::array<std::uint32_t, 256> kTable = MakeCrcTable();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) c = kTable[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void PutLE(unsigned char* at, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint64_t GetLE(const unsigned char* at, int bytes) {
  std::uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | at[i];
  return value;
}

// A record's own places: the header at 0, the W-3 at 640, W-2s from 1280 on.
// The kind of record that lives at `offset`.
std::uint16_t KindAt(std::int64_t offset) {
  if (offset == kHeaderOffset) return kRecTypeHeader;
  if (offset == kW3Offset) return kRecTypeW3;
  return offset >= kFirstW2Offset && offset % kRecSize == 0 ? kRecTypeW2 : 0;
}

std::uint16_t KindOf(const unsigned char* record) {
  // RecType follows LastSaved (a double) in every record.
  return static_cast<std::uint16_t>(GetLE(record + 8, 2));
}

std::uint32_t HeaderCrc(int dataFd) {
  unsigned char header[kRecSize] = {};
  std::size_t got = 0;
  (void)ReadFullAt(dataFd, kHeaderOffset, header, sizeof header, got);
  return Crc32(header, got);
}

std::int64_t SizeOf(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
}

std::uint64_t InodeOf(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 ? static_cast<std::uint64_t>(st.st_ino) : 0;
}

// A journal image: the record `record` due at `offset` over `oldLength`
// bytes `old` of the data file `dataFd`.
void MakeImage(unsigned char* image, int dataFd, std::int64_t offset, const unsigned char* old,
               std::size_t oldLength, const unsigned char* record) {
  std::memset(image, 0, kJournalSize);
  std::memcpy(image, kMagic, sizeof kMagic);
  PutLE(image + kOffsetAt, static_cast<std::uint64_t>(offset), 8);
  PutLE(image + kInodeAt, InodeOf(dataFd), 8);
  PutLE(image + kHeaderCrcAt, HeaderCrc(dataFd), 4);
  PutLE(image + kOldLengthAt, oldLength, 4);
  std::memcpy(image + kOldAt, old, oldLength);
  std::memcpy(image + kRecordAt, record, kRecSize);
  PutLE(image + kCrcAt, Crc32(image, kCrcAt), 4);
}

// Whether the whole journal `image` was written against what `dataFd` holds:
// its inode, its header (unless the header is the record), and at the
// record's place each byte the old or the new one, nothing after a record
// that was appended, and a record of the kind that lives there.
bool BelongsTo(const unsigned char* image, int dataFd) {
  const std::int64_t offset = static_cast<std::int64_t>(GetLE(image + kOffsetAt, 8));
  const std::size_t oldLength = GetLE(image + kOldLengthAt, 4);
  const std::int64_t size = SizeOf(dataFd);
  const unsigned char* old = image + kOldAt;
  const unsigned char* record = image + kRecordAt;
  if (KindAt(offset) == 0 || KindOf(record) != KindAt(offset) || oldLength > kRecSize ||
      size < offset + std::int64_t(oldLength) ||
      (oldLength < kRecSize && size > offset + kRecSize) ||
      GetLE(image + kInodeAt, 8) != InodeOf(dataFd) ||
      (offset != kHeaderOffset && GetLE(image + kHeaderCrcAt, 4) != HeaderCrc(dataFd))) {
    return false;
  }
  unsigned char now[kRecSize];
  std::size_t got = 0;
  if (!ReadFullAt(dataFd, offset, now, sizeof now, got)) return false;
  for (std::size_t i = 0; i < got; ++i) {
    if (now[i] != record[i] && (i >= oldLength || now[i] != old[i])) return false;
  }
  return true;
}

// Whether the whole delete journal `image` was written against what
// `dataFd` holds: its inode and header; a file not yet cut holds the moved
// record unchanged at the cut and, at the deleted record's place, each byte
// the old or the new one; a file cut already is the size it was cut to and
// holds the moved record whole at that place (unless it was the last).
bool DeleteBelongsTo(const unsigned char* image, int dataFd) {
  const std::int64_t offset = static_cast<std::int64_t>(GetLE(image + kOffsetAt, 8));
  const std::int64_t newSize = static_cast<std::int64_t>(GetLE(image + kNewSizeAt, 8));
  const std::size_t oldLength = GetLE(image + kOldLengthAt, 4);
  const std::int64_t size = SizeOf(dataFd);
  const unsigned char* old = image + kOldAt;
  const unsigned char* moved = image + kRecordAt;
  if (KindAt(offset) != kRecTypeW2 || newSize < offset || newSize % kRecSize != 0 ||
      oldLength != kRecSize || size < newSize || GetLE(image + kInodeAt, 8) != InodeOf(dataFd) ||
      GetLE(image + kHeaderCrcAt, 4) != HeaderCrc(dataFd)) {
    return false;
  }
  unsigned char now[kRecSize];
  std::size_t got = 0;
  if (size > newSize) {
    if (!ReadFullAt(dataFd, newSize, now, sizeof now, got) || got != kRecSize ||
        std::memcmp(now, offset == newSize ? old : moved, kRecSize) != 0) {
      return false;
    }
    if (offset == newSize) return true;
    if (!ReadFullAt(dataFd, offset, now, sizeof now, got) || got != kRecSize) return false;
    for (std::size_t i = 0; i < kRecSize; ++i) {
      if (now[i] != moved[i] && now[i] != old[i]) return false;
    }
    return true;
  }
  if (offset == newSize) return true;
  return ReadFullAt(dataFd, offset, now, sizeof now, got) && got == kRecSize &&
         std::memcmp(now, moved, kRecSize) == 0;
}

// Carries out the delete of a whole journal that belongs to the file.
bool ApplyDelete(const unsigned char* image, int dataFd) {
  const std::int64_t offset = static_cast<std::int64_t>(GetLE(image + kOffsetAt, 8));
  const std::int64_t newSize = static_cast<std::int64_t>(GetLE(image + kNewSizeAt, 8));
  if (offset < newSize && !WriteAllAt(dataFd, offset, image + kRecordAt, kRecSize)) return false;
  return SyncData(dataFd) && ::ftruncate(dataFd, static_cast<off_t>(newSize)) == 0 &&
         SyncData(dataFd);
}

}  // namespace

TRecordJournal::TRecordJournal(const std::string& dataPath, mode_t mode)
    : path_(dataPath + "-journal"), mode_(mode) {
  const std::size_t slash = path_.find_last_of('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : path_.substr(0, slash));
  name_ = slash == std::string::npos ? path_ : path_.substr(slash + 1);
  folder_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // A folder that may be searched but not read is still fine, without the sync of names.
  if (folder_ < 0) folder_ = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

TRecordJournal::~TRecordJournal() {
  if (fd_ >= 0) ::close(fd_);
  if (folder_ >= 0) ::close(folder_);
}

IoResult TRecordJournal::Write(int dataFd, std::int64_t offset, const unsigned char* record) {
  // A failed save whose record could not be put back: put back first.
  if (pending_ && takeBackAt_ >= 0) {
    IoResult putBack = WriteAllAt(dataFd, takeBackAt_, takeBack_, kRecSize);
    if (putBack) putBack = SyncData(dataFd);
    if (!putBack) return putBack;
    pending_ = false;
    takeBackAt_ = -1;
  }
  // A record that did not reach the data file is kept for the next open.
  if (pending_) return IoResult{EIO};
  unsigned char old[kRecSize] = {};
  std::size_t oldLength = 0;
  if (const IoResult read = ReadFullAt(dataFd, offset, old, sizeof old, oldLength); !read) {
    return read;
  }
  unsigned char image[kJournalSize];
  MakeImage(image, dataFd, offset, old, oldLength, record);
  return WriteImage(image);
}

IoResult TRecordJournal::WriteDelete(int dataFd, std::int64_t offset, const unsigned char* moved,
                                     std::int64_t newSize) {
  // The delete comes after every save: one still pending is refused as a save is.
  if (pending_) return IoResult{EIO};
  unsigned char old[kRecSize] = {};
  std::size_t oldLength = 0;
  if (const IoResult read = ReadFullAt(dataFd, offset, old, sizeof old, oldLength); !read) {
    return read;
  }
  if (oldLength != kRecSize) return IoResult{EIO};
  unsigned char image[kDeleteSize];
  MakeImage(image, dataFd, offset, old, oldLength, moved);
  std::memcpy(image, kDeleteMagic, sizeof kDeleteMagic);
  PutLE(image + kNewSizeAt, static_cast<std::uint64_t>(newSize), 8);
  PutLE(image + kDeleteCrcAt, Crc32(image, kDeleteCrcAt), 4);
  return WriteImage(image, kDeleteSize);
}

IoResult TRecordJournal::WriteImage(const unsigned char* image) {
  return WriteImage(image, kJournalSize);
}

IoResult TRecordJournal::WriteImage(const unsigned char* image, std::size_t size) {
  // A journal that someone took away must be made anew, or a crash would find none.
  struct stat st {};
  if (fd_ >= 0 && ::fstat(fd_, &st) == 0 && st.st_nlink == 0) Discard();
  const bool made = fd_ < 0;
  if (made) {
    fd_ = ::openat(folder_, name_.c_str(),
                   O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode_);
    if (fd_ < 0) return IoResult{errno};
  }
  // A delete journal is longer: a record journal written over it must not
  // leave its tail behind (it would no longer read as either).
  IoResult written = WriteAllAt(fd_, 0, image, size);
  if (written && SizeOf(fd_) > static_cast<std::int64_t>(size) &&
      ::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
    written = IoResult{errno};
  }
  if (written) written = SyncData(fd_);
  if (!written) {
    Discard();
    return written;
  }
  // A new journal's name must be on the disk before the record is written.
  if (made) (void)SyncFile(folder_);
  pending_ = true;
  return {};
}

void TRecordJournal::Done() {
  // Not synced: should the old journal come back after a power cut, its
  // record is the one on the disk already, and the next save overwrites it
  // before it writes anything else.
  const unsigned char cleared[sizeof kMagic] = {};
  if (WriteAllAt(fd_, 0, cleared, sizeof cleared)) pending_ = false;
}

bool TRecordJournal::TakeBack() {
  // Synced this time: a journal that came back would complete the failed save.
  const unsigned char cleared[sizeof kMagic] = {};
  if (fd_ >= 0 && WriteAllAt(fd_, 0, cleared, sizeof cleared) && SyncData(fd_)) {
    pending_ = false;
    return true;
  }
  // The journal cannot be cleared: without its name it cannot come back either.
  if (::unlinkat(folder_, name_.c_str(), 0) != 0 && errno != ENOENT) return false;
  if (!SyncFile(folder_)) return false;
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  pending_ = false;
  return true;
}

bool TRecordJournal::TakeBackAtNextOpen(int dataFd, std::int64_t offset,
                                        const unsigned char* before,
                                        const unsigned char* attempted) {
  unsigned char image[kJournalSize];
  MakeImage(image, dataFd, offset, attempted, kRecSize, before);
  pending_ = false;
  if (!WriteImage(image)) return false;
  takeBackAt_ = offset;
  std::memcpy(takeBack_, before, kRecSize);
  return true;
}

void TRecordJournal::Close() {
  if (fd_ >= 0 && !pending_) Discard();
}

void TRecordJournal::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  ::unlinkat(folder_, name_.c_str(), 0);
}

std::string TRecordJournal::KeepAside() {
  for (int n = 1; n < 100; ++n) {
    std::string kept = name_ + ".kept";
    if (n > 1) kept += '-' + std::to_string(n);
    bool moved = ::renameat2(folder_, name_.c_str(), folder_, kept.c_str(), RENAME_NOREPLACE) == 0;
    if (!moved && (errno == EINVAL || errno == ENOSYS)) {
      // A file system that cannot rename without replacing: a second name,
      // then the first goes; without hard links, a name tested just before.
      moved = ::linkat(folder_, name_.c_str(), folder_, kept.c_str(), 0) == 0 &&
              ::unlinkat(folder_, name_.c_str(), 0) == 0;
      struct stat st {};
      if (!moved && errno != EEXIST &&
          ::fstatat(folder_, kept.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        moved = ::renameat(folder_, name_.c_str(), folder_, kept.c_str()) == 0;
      }
    }
    if (moved) {
      (void)SyncFile(folder_);
      return path_ + kept.substr(name_.size());
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

TRecordJournal::Recovery TRecordJournal::Recover(int dataFd, bool mayApply) {
  const int fd =
      ::openat(folder_, name_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return Recovery{errno == ENOENT, {}};
  unsigned char image[kDeleteSize + 1];
  std::size_t got = 0;
  const IoResult read = ReadFullAt(fd, 0, image, sizeof image, got);
  ::close(fd);
  if (!read) return Recovery{false, {}};
  const bool whole = got == kJournalSize && std::memcmp(image, kMagic, sizeof kMagic) == 0 &&
                     GetLE(image + kCrcAt, 4) == Crc32(image, kCrcAt);
  // An earlier version's whole journal cannot say which file it was written for.
  const bool unbound = got == kUnboundSize &&
                       std::memcmp(image, kUnboundMagic, sizeof kUnboundMagic) == 0 &&
                       GetLE(image + kUnboundSize - 4, 4) == Crc32(image, kUnboundSize - 4);
  const bool wholeDelete = got == kDeleteSize &&
                           std::memcmp(image, kDeleteMagic, sizeof kDeleteMagic) == 0 &&
                           GetLE(image + kDeleteCrcAt, 4) == Crc32(image, kDeleteCrcAt);
  if (wholeDelete && mayApply && DeleteBelongsTo(image, dataFd)) {
    if (!ApplyDelete(image, dataFd)) return Recovery{false, {}};
  } else if (whole && mayApply && BelongsTo(image, dataFd)) {
    const std::int64_t offset = static_cast<std::int64_t>(GetLE(image + kOffsetAt, 8));
    if (!WriteAllAt(dataFd, offset, image + kRecordAt, kRecSize) || !SyncData(dataFd)) {
      return Recovery{false, {}};
    }
  } else if (whole || unbound || wholeDelete) {
    std::string kept = KeepAside();
    return Recovery{!kept.empty(), std::move(kept)};
  }
  Discard();
  return Recovery{};
}
