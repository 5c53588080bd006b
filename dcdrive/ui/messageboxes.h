#pragma once

// The standard boxes captioned with the program's main caption.

#include "common/ui/messageboxes.h"
#include "dcdrive/ui/uitexts.h"

#include <string>
#include <utility>

class QWidget;

namespace dcdrive::ui {

// A plain message with an OK button (MessageBox); "\r" breaks the text into lines.
inline void ShowMessageBox(QWidget* parent, const std::string& text)
{
    drive::ui::ShowMessageBox(parent, kMainCaption, "MessageBox", text);
}

// A confirmation with the buttons Yes and No; true for Yes.
inline bool AskYesNoBox(QWidget* parent, const std::string& question)
{
    return drive::ui::AskYesNoBox(parent, kMainCaption, question);
}

// Runs a command of a window; an error that ends the command is shown in the error box.
template <typename Command> void Guarded(QWidget* parent, Command&& command)
{
    drive::ui::Guarded(parent, kMainCaption, std::forward<Command>(command));
}

} // namespace dcdrive::ui
