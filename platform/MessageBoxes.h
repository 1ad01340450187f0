#pragma once
// Every message box and question of the program goes through this seam:
// the Qt program shows a QMessageBox, tests script the answers.
//
// Texts are in the records' single-byte code page (Windows-1252), like every
// other text of the core; the Qt backend converts them for display.

#include <string>

enum class MsgIcon { None, Information, Warning, Error, Question };

// Buttons are bit flags so that a box can offer several.
enum MsgButton : unsigned {
  MsgOk = 1u << 0,
  MsgCancel = 1u << 1,
  MsgYes = 1u << 2,
  MsgNo = 1u << 3,
};

struct MessageBoxRequest {
  std::string caption;
  std::string text;
  MsgIcon icon = MsgIcon::None;
  unsigned buttons = MsgOk;
  // Task-modal in the original desktop; every box of the program now blocks
  // the whole program (see QtMessageBoxes), so this only tells the kind of box.
  bool taskModal = false;
};

class IMessageBoxes {
 public:
  virtual ~IMessageBoxes() = default;
  // Shows the box and returns the button pressed (one of request.buttons).
  virtual MsgButton Show(const MessageBoxRequest& request) = 0;
};

// The caption of plain messages.
inline constexpr const char* kAppTitle = "Quillmar";
// The caption of the data file's questions and refusals.
inline constexpr const char* kUpdateProgramTitle = "W-2/W-3 Update Program";

// The process-wide message box service. The program installs its Qt backend
// at start; tests install a scripted one. Without one installed, Show throws
// std::logic_error (a box that nobody can answer is a programming error).
IMessageBoxes& MessageBoxes();
// Installs `boxes` (not owned) and returns the previous one; nullptr removes it.
IMessageBoxes* SetMessageBoxes(IMessageBoxes* boxes);

// Shorthands used throughout the program.
// A plain message: caption "Quillmar", the given icon, OK only.
void ShowMessage(const std::string& text, MsgIcon icon = MsgIcon::None);
// A data-file question or refusal: caption "W-2/W-3 Update Program", task-modal.
MsgButton AskUpdate(const std::string& text, MsgIcon icon, unsigned buttons);
