#include "data/RecordJournal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "data/RecordKind.h"

namespace {

constexpr char kMagic[8] = {'Q', 'M', 'R', 'J', 'R', 'N', 'L', '1'};
constexpr std::size_t kOffsetAt = 8;
constexpr std::size_t kRecordAt = 16;
constexpr std::size_t kCrcAt = kRecordAt + kRecSize;
constexpr std::size_t kJournalSize = kCrcAt + 4;

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

bool WriteAll(int fd, std::int64_t offset, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    offset += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// A record's own places: the header at 0, the W-3 at 640, W-2s from 1280 on.
bool IsRecordPlace(std::int64_t offset) {
  return offset == kHeaderOffset || offset == kW3Offset ||
         (offset >= kFirstW2Offset && offset % kRecSize == 0);
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

bool TRecordJournal::Write(std::int64_t offset, const unsigned char* record) {
  unsigned char image[kJournalSize];
  std::memcpy(image, kMagic, sizeof kMagic);
  PutLE(image + kOffsetAt, static_cast<std::uint64_t>(offset), 8);
  std::memcpy(image + kRecordAt, record, kRecSize);
  PutLE(image + kCrcAt, Crc32(image, kCrcAt), 4);

  // A record that did not reach the data file is kept for the next open.
  if (pending_) return false;
  // A journal that someone took away must be made anew, or a crash would find none.
  struct stat st {};
  if (fd_ >= 0 && ::fstat(fd_, &st) == 0 && st.st_nlink == 0) Discard();
  const bool made = fd_ < 0;
  if (made) {
    fd_ = ::openat(folder_, name_.c_str(),
                   O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode_);
    if (fd_ < 0) return false;
  }
  if (!WriteAll(fd_, 0, image, sizeof image) || ::fdatasync(fd_) != 0) {
    Discard();
    return false;
  }
  // A new journal's name must be on the disk before the record is written.
  if (made) ::fsync(folder_);
  pending_ = true;
  return true;
}

void TRecordJournal::Done() {
  // Not synced: should the old journal come back after a power cut, its
  // record is the one on the disk already, and the next save overwrites it
  // before it writes anything else.
  const unsigned char cleared[sizeof kMagic] = {};
  if (WriteAll(fd_, 0, cleared, sizeof cleared)) pending_ = false;
}

void TRecordJournal::Close() {
  if (fd_ >= 0 && !pending_) Discard();
}

void TRecordJournal::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  ::unlinkat(folder_, name_.c_str(), 0);
}

bool TRecordJournal::Recover(int dataFd, std::int64_t dataSize) {
  const int fd =
      ::openat(folder_, name_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno == ENOENT;
  unsigned char image[kJournalSize + 1];
  std::size_t got = 0;
  for (;;) {
    const ssize_t n = ::pread(fd, image + got, sizeof image - got, static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return false;
    }
    if (n == 0 || (got += static_cast<std::size_t>(n)) == sizeof image) break;
  }
  ::close(fd);
  const std::int64_t offset = static_cast<std::int64_t>(GetLE(image + kOffsetAt, 8));
  const bool whole = got == kJournalSize && std::memcmp(image, kMagic, sizeof kMagic) == 0 &&
                     GetLE(image + kCrcAt, 4) == Crc32(image, kCrcAt) && IsRecordPlace(offset) &&
                     offset <= dataSize;
  if (whole &&
      !(WriteAll(dataFd, offset, image + kRecordAt, kRecSize) && ::fdatasync(dataFd) == 0)) {
    return false;
  }
  Discard();
  return true;
}
