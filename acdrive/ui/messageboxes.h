#pragma once

// The standard boxes captioned with the program's title.

#include "acdrive/ui/uitexts.h"
#include "common/ui/messageboxes.h"

#include <exception>
#include <string>

class QWidget;

namespace acdrive::ui {

// The program's own messages: a plain box with one OK button (NoticeBox); carriage returns in
// the text break lines.
inline void ShowNoticeBox(QWidget* parent, const std::string& text)
{
    drive::ui::ShowMessageBox(parent, kMainCaption, "NoticeBox", text);
}

// A confirmation with the buttons Yes and No; true for Yes.
inline bool AskYesNoBox(QWidget* parent, const std::string& question)
{
    return drive::ui::AskYesNoBox(parent, kMainCaption, question);
}

// The standard error box for an error that ended a command, with the error's message.
inline void ShowErrorBox(QWidget* parent, const std::exception& error)
{
    drive::ui::ShowErrorBox(parent, kMainCaption, error);
}

} // namespace acdrive::ui
