#pragma once

// The platform's standard boxes as both programs show them: the program's messages, the Yes/No
// questions and the error box that reports a failed command while the program goes on running.
// Every box is captioned with the program's main caption, which the program passes in.

#include "common/errors.h"

#include <exception>
#include <string>
#include <utility>

class QWidget;

namespace drive::ui {

// A plain message with an OK button, named `objectName`; "\r" breaks the text into lines.
void ShowMessageBox(QWidget* parent, const char* caption, const char* objectName, const std::string& text);

// A confirmation with the buttons Yes and No (ConfirmationBox); true for Yes.
bool AskYesNoBox(QWidget* parent, const char* caption, const std::string& question);

// The standard error box (ErrorBox) with the error's message.
void ShowErrorBox(QWidget* parent, const char* caption, const std::exception& error);

// Runs a command of a window; an error that ends the command is shown in the error box.
template <typename Command> void Guarded(QWidget* parent, const char* caption, Command&& command)
{
    try {
        std::forward<Command>(command)();
    } catch (const drive::PlatformError& error) {
        ShowErrorBox(parent, caption, error);
    }
}

} // namespace drive::ui
