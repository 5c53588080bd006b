#pragma once

// The platform's standard boxes: the program's messages, the Yes/No questions and the error box
// that reports a failed command while the program goes on running.

#include "common/errors.h"

#include <exception>
#include <string>
#include <utility>

class QWidget;

namespace dcdrive::ui {

// A plain message with an OK button; "\r" breaks the text into lines.
void ShowMessageBox(QWidget* parent, const std::string& text);

// A confirmation with the buttons Yes and No; true for Yes.
bool AskYesNoBox(QWidget* parent, const std::string& question);

// The standard error box with the error's message.
void ShowErrorBox(QWidget* parent, const std::exception& error);

// Runs a command of a window; an error that ends the command is shown in the error box.
template <typename Command> void Guarded(QWidget* parent, Command&& command)
{
    try {
        std::forward<Command>(command)();
    } catch (const drive::PlatformError& error) {
        ShowErrorBox(parent, error);
    }
}

} // namespace dcdrive::ui
