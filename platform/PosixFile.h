#pragma once
// File I/O that keeps its reason: the writes, reads, syncs and locks of the
// data file, its journal and the atomic writer, each returning the errno of
// its failure, and the sentence that tells the user that reason.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The outcome of a file operation: the errno of its failure, 0 on success.
struct [[nodiscard]] IoResult {
  int error = 0;
  bool Ok() const { return error == 0; }
  explicit operator bool() const { return Ok(); }
};

// Writes all `count` bytes at `offset`, going on after short writes and interruptions.
IoResult WriteAllAt(int fd, std::int64_t offset, const void* data, std::size_t count);
// Writes all `count` bytes at the file position.
IoResult WriteAll(int fd, const void* data, std::size_t count);
// Reads up to `count` bytes at `offset` into `data`, going on after short
// reads; `got` is the number read (fewer only at the end of the file, or
// before the failure).
IoResult ReadFullAt(int fd, std::int64_t offset, void* data, std::size_t count, std::size_t& got);
// The file's data (and the size it needs to read them back) on the disk.
IoResult SyncData(int fd);
// The file's data and all its attributes on the disk.
IoResult SyncFile(int fd);
// The names in the folder holding `path` on the disk: a file created,
// renamed or removed there survives a power cut.
IoResult SyncFolderOf(const std::string& path);
// A write lock on the whole file, however long it grows, held by the open
// file description; EAGAIN or EACCES when another holds one. Never waits.
IoResult LockWhole(int fd);

// The reason of a failure as the user reads it, a sentence of its own:
// "The disk is full." for ENOSPC and EDQUOT, "The medium is read-only." for
// EROFS, "An input/output error occurred." for EIO, the system's text otherwise.
std::string IoErrorText(int error);

// A test seam: while set, every write and sync above first asks `fault`
// about its file descriptor; a nonzero answer fails the call with that errno
// before anything is written. Returns the fault it replaces.
enum class IoStep { Write, Sync };
using IoFault = std::function<int(IoStep step, int fd)>;
IoFault SetIoFault(IoFault fault);
