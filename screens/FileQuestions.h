#pragma once
// The data file's questions and refusals as message boxes, all captioned
// "W-2/W-3 Update Program" and task-modal: the file decides nothing with the
// user itself, its owner answers through these.

#include <string>

#include "data/QuillmarFormFile.h"

// "Save changes ... ?" with Yes and No; the namesakes one by one, each with
// Yes and No, the last with OK only.
class TFileQuestions final : public IFileDecisions {
 public:
  bool SaveChanges(const std::string& question) override;
  bool TakeNamesake(const std::string& text, bool last) override;
};

// Puts `decisions` on the file for the object's lifetime, then the previous ones back.
class ScopedFileDecisions {
 public:
  ScopedFileDecisions(TQuillmarFormFile& file, IFileDecisions& decisions)
      : file_(file), previous_(file.SetDecisions(&decisions)) {}
  ~ScopedFileDecisions() { file_.SetDecisions(previous_); }
  ScopedFileDecisions(const ScopedFileDecisions&) = delete;
  ScopedFileDecisions& operator=(const ScopedFileDecisions&) = delete;

 private:
  TQuillmarFormFile& file_;
  IFileDecisions* previous_;
};

// Shows a refused save's reason with an error icon and OK.
void ShowSaveRefusal(const std::string& reason);
// Shows the refusal of the file's last operation, if it was refused; true then.
bool ShowIfSaveRefused(const TQuillmarFormFile& file);

// Before the file closes: offers a pending change for saving, and shows a
// refusal, or a failed write in a plain "Quillmar" error box.
void SettleBeforeClose(TQuillmarFormFile& file);
