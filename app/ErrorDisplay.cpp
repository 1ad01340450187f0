#include "app/ErrorDisplay.h"

#include "platform/MessageBoxes.h"

void ShowErrorMessage(const std::exception& error) { ShowMessage(error.what(), MsgIcon::Error); }

bool RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    ShowErrorMessage(error);
  } catch (...) {
    ShowMessage("An unexpected error occurred.", MsgIcon::Error);
  }
  return false;
}
