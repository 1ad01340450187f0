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
// While the data file is open its journal stays, cleared, between saves: an
// overwrite of a file of the same size syncs without any change of the file
// system's own records. Closing the data file removes it. Only the holder of
// the data file's write lock uses its journal.
//
// The journal, 660 bytes, little-endian:
//   0   8 bytes  "QMRJRNL1"
//   8   int64    offset of the record in the data file
//   16  640      the record's new bytes
//   656 uint32   CRC-32 of bytes 0..655

#include <sys/types.h>

#include <cstdint>
#include <string>

class TRecordJournal {
 public:
  // The journal of the data file at `dataPath`; a new journal gets the data
  // file's permissions `mode`.
  TRecordJournal(const std::string& dataPath, mode_t mode);
  ~TRecordJournal();
  TRecordJournal(const TRecordJournal&) = delete;
  TRecordJournal& operator=(const TRecordJournal&) = delete;

  const std::string& Path() const { return path_; }

  // Writes the record due at `offset` to the journal and syncs it. False
  // when the journal cannot be written (no whole journal is left then), or
  // while it holds a record that did not reach the data file.
  bool Write(std::int64_t offset, const unsigned char* record);
  // The record written last is on the disk: the journal is cleared.
  void Done();
  // On closing the data file, while its lock is still held: the journal goes,
  // unless it holds a record that did not reach the data file.
  void Close();
  // Removes any journal there is: it belongs to an earlier file of that name.
  void Discard();

  // On opening: a whole journal's record is written into `dataFd` (a file of
  // `dataSize` bytes) and synced, then the journal goes; any other journal
  // just goes. False when a journal is there but cannot be read or its record
  // cannot be written: the file must not be used then.
  bool Recover(int dataFd, std::int64_t dataSize);

 private:
  std::string path_;
  std::string name_;  // the journal's name within its folder
  int folder_ = -1;   // the folder, for syncing the journal's name
  mode_t mode_;
  int fd_ = -1;           // the journal, once the first save made it
  bool pending_ = false;  // it holds a record that may not be in the data file
};
