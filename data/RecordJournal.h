#pragma once
// The journal of one employer data file: before a record is written into the
// file, its new bytes and its offset go to "<file>-journal" beside it, with a
// checksum, and reach the disk; then the record is written and synced, and the
// journal is cleared. A save cut off at any moment leaves either a whole
// journal (the record is written again from it when the file is next opened)
// or a cleared or torn one (the record is on disk already, or its save never
// began: the journal is thrown away). The data file itself keeps its plain
// layout.
//
// A journal is bound to the file and the content it was written against: the
// data file's inode, a checksum of its header record, and the bytes the
// record's place held before. It is applied only while the file holds that
// content at that place, each byte either the old or the new one (a record
// torn by the crash); a journal for 0 must hold a header record, for 640 a
// W-3 record, for any other place a W-2 record. A whole journal that does not
// match (another company's, beside a file copied or restored from a backup)
// is never applied: it is renamed "<file>-journal.kept" (or ".kept-2" and on)
// and the caller is told. The device is left out of the binding on purpose: a
// removable disk may get another device number at its next mount.
//
// While the data file is open its journal stays, cleared, between saves: an
// overwrite of a file of the same size syncs without any change of the file
// system's own records. Closing the data file removes it. Only the holder of
// the data file's write lock uses its journal.
//
// The journal, 1316 bytes, little-endian:
//   0    8 bytes  "QMRJRNL2"
//   8    int64    offset of the record in the data file
//   16   uint64   inode of the data file
//   24   uint32   CRC-32 of the data file's header record before the save
//   28   uint32   bytes the record's place held before (640, fewer at the end)
//   32   640      those bytes, zeros after them
//   672  640      the record's new bytes
//   1312 uint32   CRC-32 of bytes 0..1311
//
// A W-2 leaves the file by a delete journal, 1324 bytes: magic "QMRJRNLD",
// then as above (the record's place, the bytes it held, the record that
// takes its place: the file's last W-2), then
//   1312 int64    the size the file is cut to (the last W-2's offset)
//   1320 uint32   CRC-32 of bytes 0..1319
// The last W-2 is written over the deleted one, the file is cut before the
// last W-2, both synced, then the journal is cleared. When the deleted W-2 is
// the last, only the cut is done. A crash before the journal is whole leaves
// the employee in the file; after it, the next open finishes the delete.

#include <sys/types.h>

#include <cstdint>
#include <string>

#include "data/RecordKind.h"
#include "platform/PosixFile.h"

class TRecordJournal {
 public:
  // The journal of the data file at `dataPath`; a new journal gets the data
  // file's permissions `mode`.
  TRecordJournal(const std::string& dataPath, mode_t mode);
  ~TRecordJournal();
  TRecordJournal(const TRecordJournal&) = delete;
  TRecordJournal& operator=(const TRecordJournal&) = delete;

  const std::string& Path() const { return path_; }

  // Writes the record due at `offset` of the data file `dataFd` to the
  // journal, bound to what the file holds now, and syncs it. Fails when the
  // journal cannot be written (no whole journal is left then), or while it
  // holds a record that did not reach the data file.
  IoResult Write(int dataFd, std::int64_t offset, const unsigned char* record);
  // Writes the delete of the W-2 at `offset` of `dataFd`: `moved` (the
  // record at `newSize`, the file's last W-2) takes its place and the file is
  // cut to `newSize`. `offset` may be `newSize` itself (the last W-2 goes).
  // Synced before returning; Done() once the data file is cut and synced.
  IoResult WriteDelete(int dataFd, std::int64_t offset, const unsigned char* moved,
                       std::int64_t newSize);
  // The record written last is on the disk: the journal is cleared.
  void Done();
  // The record written last did not reach the data file, which holds its old
  // content again: the journal is cleared on the disk, so that no later open
  // completes a save reported as failed. False when that cannot be done.
  bool TakeBack();
  // The data file could not be put back: its record at `offset` may hold the
  // `attempted` bytes, part of them or the `before` bytes (640). The journal
  // is made to put `before` back at the next open, or at the next save,
  // which does that first.
  bool TakeBackAtNextOpen(int dataFd, std::int64_t offset, const unsigned char* before,
                          const unsigned char* attempted);
  // On closing the data file, while its lock is still held: the journal goes,
  // unless it holds a record that did not reach the data file.
  void Close();
  // Removes the journal.
  void Discard();

  struct Recovery {
    // False when a journal is there but cannot be read, kept aside, or its
    // record cannot be written: the file must not be used then.
    bool usable = true;
    // The name a whole journal of other content was kept under; empty if none.
    std::string keptAs;
  };
  // On opening: a whole journal that belongs to `dataFd` has its record
  // written into it and synced, then the journal goes; a whole journal that
  // does not belong (any, unless `mayApply`: the file is new) is renamed
  // aside; any other journal just goes.
  Recovery Recover(int dataFd, bool mayApply);

 private:
  IoResult WriteImage(const unsigned char* image);
  IoResult WriteImage(const unsigned char* image, std::size_t size);
  std::string KeepAside();

  std::string path_;
  std::string name_;  // the journal's name within its folder
  int folder_ = -1;   // the folder, for syncing the journal's name
  mode_t mode_;
  int fd_ = -1;           // the journal, once the first save made it
  bool pending_ = false;  // it holds a record that may not be in the data file
  // For a save taken back at the next open: where, and the record to put back.
  std::int64_t takeBackAt_ = -1;
  unsigned char takeBack_[kRecSize] = {};
};
