#pragma once
// The application's error display: an error that escapes an event handler is
// shown in a "Quillmar" message box and the program goes on.

#include <exception>
#include <functional>

// Shows the error's message (caption "Quillmar", error icon, OK).
void ShowErrorMessage(const std::exception& error);

// Runs `handler`; an exception it throws is shown by ShowErrorMessage instead
// of ending the program. Returns false when it threw.
bool RunGuarded(const std::function<void()>& handler);
