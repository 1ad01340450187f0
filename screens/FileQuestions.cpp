#include "screens/FileQuestions.h"

#include "platform/MessageBoxes.h"
#include "platform/QuillmarError.h"

bool TFileQuestions::SaveChanges(const std::string& question) {
  return AskUpdate(question, MsgIcon::Question, MsgYes | MsgNo) == MsgYes;
}

bool TFileQuestions::TakeNamesake(const std::string& text, bool last) {
  if (last) {
    AskUpdate(text, MsgIcon::Question, MsgOk);
    return true;
  }
  return AskUpdate(text, MsgIcon::Question, MsgYes | MsgNo) == MsgYes;
}

void ShowSaveRefusal(const std::string& reason) { AskUpdate(reason, MsgIcon::Error, MsgOk); }

bool ShowIfSaveRefused(const TQuillmarFormFile& file) {
  if (!file.SaveRefused()) return false;
  ShowSaveRefusal(file.LastSave().reason);
  return true;
}

void SettleBeforeClose(TQuillmarFormFile& file) {
  TFileQuestions questions;
  const ScopedFileDecisions asking(file, questions);
  try {
    if (const SaveResult saved = file.SaveCurrent(true); saved.Refused()) {
      ShowSaveRefusal(saved.reason);
    }
  } catch (const QuillmarError& error) {
    ShowMessage(error.what(), MsgIcon::Error);
  }
}
