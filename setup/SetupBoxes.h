#pragma once
// Every message box of setup goes through this seam: the program shows a
// QMessageBox, tests answer from a script and read back each box shown.

#include <string>

enum class BoxIcon { None, Information, Warning, Error };
enum class BoxButtons { Ok, OkCancel };
enum class BoxAnswer { Ok, Cancel };

struct BoxRequest {
  // An empty caption leaves the title to the desktop.
  std::string caption;
  std::string text;
  BoxIcon icon = BoxIcon::None;
  BoxButtons buttons = BoxButtons::Ok;
  // Task-modal boxes have no owner window; the others belong to setup's window.
  bool taskModal = false;
};

class ISetupBoxes {
 public:
  virtual ~ISetupBoxes() = default;
  virtual BoxAnswer Show(const BoxRequest& request) = 0;
};
