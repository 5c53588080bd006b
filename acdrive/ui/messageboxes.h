#pragma once

#include <exception>
#include <string>

class QWidget;

namespace acdrive::ui {

// The program's own messages: a plain box with one OK button, captioned with the program's
// title; carriage returns in the text break lines.
void ShowNoticeBox(QWidget* parent, const std::string& text);

// A confirmation with the buttons Yes and No; true for Yes.
bool AskYesNoBox(QWidget* parent, const std::string& question);

// The standard error box for an error that ended a command, with the error's message.
void ShowErrorBox(QWidget* parent, const std::exception& error);

} // namespace acdrive::ui
