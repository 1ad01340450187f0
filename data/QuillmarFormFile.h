#pragma once
// The open employer data file: a read/write stream over the file of 640-byte
// records, the current record in two copies (OrigRec as read or saved,
// WorkRec as edited by the screens), a copy of the W-3 record, and the two
// in-memory indexes of the W-2 records (by name and by Social Security
// number) with the moves over them.
//
// A record reaches the disk only through SaveCurrent. Every operation that
// replaces the current record first offers a pending change for saving; when
// that save is refused (duplicate Social Security number, or a record that
// is not in its place in a damaged file), the operation does not go ahead and
// LastSave() holds the refusal for the caller to show.
//
// The file shows no message and asks no question itself: what the user
// decides (save a pending change or not, which of several employees of one
// name) comes from the owner's IFileDecisions.
//
// A save cannot be torn by a crash: every record goes through the file's
// journal (see TRecordJournal), which the next open completes. A new file
// appears under its name only whole, readable by its user only (0600); an
// existing file keeps the permissions its owner gave it.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "data/QuillmarFileOfs.h"
#include "data/RecordBuffer.h"
#include "data/RecordJournal.h"
#include "data/SortedKeyList.h"

// What a save came to: saved (or nothing to save), declined by the user (the
// change is dropped), or refused with the reason the user is to read.
struct [[nodiscard]] SaveResult {
  enum class Outcome { Saved, Declined, Refused };
  Outcome outcome = Outcome::Saved;
  std::string reason;  // the refusal, for Refused

  bool Refused() const { return outcome == Outcome::Refused; }
  // True unless refused: the operation that offered the save may go on.
  explicit operator bool() const { return !Refused(); }
};

// The user's part in the file's operations, provided by the owner (the
// screens ask through message boxes). Without it a pending change is saved
// and the first of several namesakes is taken.
class IFileDecisions {
 public:
  virtual ~IFileDecisions() = default;
  // Whether a pending change is saved before the current record is
  // replaced; `question` is "Save changes to W-2 for ... ?" and the like.
  virtual bool SaveChanges(const std::string& question) = 0;
  // Several employees have the name looked up; they are offered one by one,
  // `text` describing one. True takes it; for the `last` one the answer
  // does not matter, it is taken.
  virtual bool TakeNamesake(const std::string& text, bool last) = 0;
};

class TQuillmarFormFile {
 public:
  // Opens the data file at `path` (a native file-system path), creating it
  // first with a header, an empty W-3 record and a blank placeholder W-2 when
  // nothing exists there or the file there is empty. The file is locked
  // against other writers while the object lives. Throws QuillmarError:
  // "Cannot open file <path>" when the file cannot be opened for reading and
  // writing or another writer holds it, "Cannot create file <path>" when a
  // new file cannot be made (or another program made it at the same moment
  // and holds it), "<path> is not a Quillmar data file." when record 0 is no
  // header record or record 1 no W-3 record (that file is left untouched).
  // A save that a crash cut off is completed from the journal first; a
  // journal written for another file or other content is kept aside
  // (KeptJournalNotice tells of it).
  //
  // "Cannot open file <path>" is followed, on a line of its own, by the
  // reason: "It is open in another window of Quillmar or in another
  // program.", "The file is read-only.", "The file does not exist.",
  // "Permission denied: you may not read or write it.", "It is a folder or a
  // device, not a file.", or the system's reason.
  static std::unique_ptr<TQuillmarFormFile> Create(const std::string& path);
  // The same, but a file that does not exist is not created when
  // `mayCreate` is false ("Cannot open file <path>", "The file does not
  // exist."): a file picked from the recent-files list.
  static std::unique_ptr<TQuillmarFormFile> Open(const std::string& path, bool mayCreate);
  // Closes the file. It writes nothing: the owner settles a pending change
  // before (SaveCurrent).
  ~TQuillmarFormFile();
  TQuillmarFormFile(const TQuillmarFormFile&) = delete;
  TQuillmarFormFile& operator=(const TQuillmarFormFile&) = delete;

  // The stream. Seek sets Position (a negative offset counts as 0); Read and
  // Write work at Position and advance it. Read returns the bytes read (fewer
  // at the end of the file); Write writes all or throws QuillmarError.
  std::int64_t Seek(std::int64_t offset);
  std::int64_t Position() const { return position_; }
  std::int64_t Size() const;
  std::size_t Read(void* buffer, std::size_t count);
  void Write(const void* buffer, std::size_t count);

  // Writes the current record when WorkRec differs from OrigRec, asking the
  // owner's decisions first when `ask` is true (declined discards the
  // change). A record is written only at its own place: the header at 0, the
  // W-3 at 640, a W-2 at 1280 + 640 k. Refused (a duplicate Social Security
  // number, or a record out of its place): nothing written, WorkRec kept. A
  // failed write throws QuillmarError ("Cannot write file <path>", then the
  // reason on a line of its own), changes nothing in memory, leaves the
  // record on disk as it was and takes the save back from the journal, so
  // that no later open completes it.
  SaveResult SaveCurrent(bool ask);
  // What a screen filled in itself as it showed the current record (state
  // line 1 from the W-3 and the like) is no change of the user's: WorkRec as
  // it is now is taken as shown. While WorkRec still equals it, a save writes
  // nothing and asks nothing: an untouched new W-2 is dropped.
  void TakeAsShown();
  // Whether WorkRec holds no change of the user's: it equals OrigRec or what
  // was taken as shown for the current record.
  bool Untouched() const;

  // Deletes the current W-2 from the file. The file's last W-2 record takes
  // its place and the file is cut before that record, through the journal
  // (TRecordJournal::WriteDelete): a crash at any moment leaves the file with
  // or without the employee, never half. Both indexes follow. A pending
  // change of the deleted W-2 is dropped; a new W-2 never saved is only
  // dropped. The only W-2 record of a file becomes a blank placeholder, as
  // in a new file. Then the record now at the deleted one's place (or the
  // new last one) is current. False when the current record is no W-2. A
  // failed write throws QuillmarError ("Cannot write file <path>" and the
  // reason); the file keeps the employee then, or the next open completes
  // the delete.
  bool DeleteCurrent();

  // The save of the last operation (a save, move, lookup, AddNew or ReadW3).
  const SaveResult& LastSave() const { return lastSave_; }
  // Whether the last operation stopped because its save was refused.
  bool SaveRefused() const { return lastSave_.Refused(); }
  // The question that offers the pending change for saving.
  std::string SaveQuestion() const;

  // The owner's decisions (not owned); nullptr for none. Returns the previous.
  IFileDecisions* SetDecisions(IFileDecisions* decisions);

  // When the open found a journal of another file or of other content and
  // kept it aside: one plain message saying so; empty otherwise.
  std::string KeptJournalNotice() const;

  // Puts the whole file back to `image` (the bytes of an earlier copy of it,
  // whole records): every record that differs is written back through the
  // journal, then records beyond the image are cut off, and the indexes are
  // built again with the first W-2 current. A crash part way leaves whole
  // records only, and the copy still holds the image. False when the image
  // is no data file of whole records (nothing is changed then); a failed
  // write throws QuillmarError.
  bool RestoreImage(std::string_view image);

  // LASTNAME, FIRSTNAME INITIAL in upper case; empty for a blank record.
  static std::string MakeNameKey(const W2Record& record);

  // Makes the W-3 record current. False when it cannot be read whole or is no
  // W-3 record (W3Rec then stays as it was), or when the pending save was refused.
  bool ReadW3();
  // Starts a new blank record of the kind (16, 32 or 48); it is written by a
  // later save once changed. False for any other kind.
  bool AddNew(int kind);
  // Makes the employee with the key current: a Social Security number in SSN
  // order or for a key starting "000".."999", a name key otherwise.
  bool LocateKey(const std::string& key);
  // Lets the user choose (through the owner's decisions) among the
  // employees whose name key equals `key`, found at `position` of the name
  // index; returns the chosen position.
  int PickSameName(int position, const std::string& key);
  // The moves, in the order IndexMode chooses. True when the target record
  // was read whole and is current; false without any change when there is
  // no target.
  // Makes the W-2 record at `offset` current (the employee list's choice),
  // offering the pending change as a move does. False when no W-2 is there.
  bool GoToRecord(std::int64_t offset);
  bool GoFirst();
  bool GoLast();
  bool GoNext();
  bool GoPrev();

  const std::string& Path() const { return path_; }
  static constexpr int RecSize() { return kRecSize; }
  // The offset at which the current record is, or for a new one will be, written.
  std::int64_t RecPos() const { return recPos_; }
  int NameIdxPos() const { return nameIdxPos_; }
  int SsnIdxPos() const { return ssnIdxPos_; }
  // The index entry of the current W-2 record; null for a record that is no
  // stored W-2 (the W-3, a new record).
  const TQuillmarFileOfs* CurOfs() const { return curOfs_; }
  const SortedKeyList& NameIndex() const { return nameIndex_; }
  const SortedKeyList& SsnIndex() const { return ssnIndex_; }

  // The W-3 record as last read or saved.
  TRecordBuffer W3Rec{};
  // The current record as last read or saved.
  TRecordBuffer OrigRec{};
  // The working copy of the current record; the screens edit it in place.
  TRecordBuffer WorkRec{};
  // Navigation order: 0 entry sequence, 1 name, 2 Social Security number.
  int IndexMode = 0;

 private:
  enum class Move { First, Last, Next, Prev };

  TQuillmarFormFile(std::string path, int fd, mode_t mode);
  void BuildIndexes();
  bool Go(Move move);
  bool GoInIndex(Move move, bool byName);
  // Saves the pending change, then makes the record at `target` current.
  bool MoveTo(std::int64_t target);
  // The same for the entry at `position` of `index`, which becomes `idxPos`.
  bool MoveToEntry(SortedKeyList& index, int& idxPos, int position);
  bool ReadTarget(std::int64_t target);
  SaveResult SaveW2(TRecordBuffer& record);
  SaveResult Refuse(const char* text);
  SaveResult Save(bool ask);
  bool IsBlankOnDisk(std::int64_t offset);
  TQuillmarFileOfs* EntryAt(std::int64_t offset);
  std::int64_t AppendOffset() const;
  std::size_t ReadAt(std::int64_t offset, TRecordBuffer& record);
  void WriteRecord(std::int64_t offset, const TRecordBuffer& record);
  // Cuts the W-2 at `offset` out of the file, the last record `last` taking its place.
  void WriteDelete(std::int64_t offset, std::int64_t last);
  // Replaces the index keys of `entry` (those of `from`) by those of `to`;
  // `to` null takes the entry out of both indexes.
  void Rekey(TQuillmarFileOfs* entry, const W2Record& from, const W2Record* to);

  std::string path_;
  int fd_;
  TRecordJournal journal_;
  std::int64_t position_ = 0;
  int nameIdxPos_ = 0;
  int ssnIdxPos_ = 0;
  TQuillmarFileOfs* curOfs_ = nullptr;
  std::int64_t recPos_ = 0;
  SaveResult lastSave_;
  IFileDecisions* decisions_ = nullptr;
  // What the screen showed of the record at shownPos_ read as shownFrom_.
  bool hasShown_ = false;
  std::int64_t shownPos_ = 0;
  TRecordBuffer shownFrom_{};
  TRecordBuffer shown_{};
  std::string keptJournal_;  // where a journal of other content was kept
  // The entries of both indexes, in file order (offsets ascending).
  std::deque<TQuillmarFileOfs> entries_;
  SortedKeyList nameIndex_{SortedKeyList::Duplicates::Accept};
  SortedKeyList ssnIndex_{SortedKeyList::Duplicates::Ignore};
};
