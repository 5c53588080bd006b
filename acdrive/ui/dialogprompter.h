#pragma once

#include "common/prompter.h"

class QWidget;

namespace acdrive::ui {

class ChoiceDialog;
class NumberDialog;

// The prompt service of the desktop program: numbers and choices through the two modal
// dialogs, Yes/No and notices through message boxes. A dialog closed without OK answers as
// the previous question of its kind was answered (at first the empty text, or the second
// option).
class DialogPrompter : public drive::Prompter {
public:
    DialogPrompter(NumberDialog& numberDialog, ChoiceDialog& choiceDialog, QWidget* boxParent);
    // A prompter whose dialogs are created later (AttachDialogs), as at start-up.
    explicit DialogPrompter(QWidget* boxParent)
        : boxParent_(boxParent)
    {
    }

    void AttachDialogs(NumberDialog& numberDialog, ChoiceDialog& choiceDialog);
    // The window the message boxes open over.
    void SetBoxParent(QWidget* boxParent) { boxParent_ = boxParent; }

    std::string AskNumber(const std::string& question) override;
    bool AskChoice(const std::string& question, const std::string& first, const std::string& second) override;
    bool AskYesNo(const std::string& question) override;
    void ShowNotice(const std::string& text) override;

private:
    NumberDialog* numberDialog_ = nullptr;
    ChoiceDialog* choiceDialog_ = nullptr;
    QWidget* boxParent_;
    std::string lastNumber_;
    bool lastChoice_ = false;
};

} // namespace acdrive::ui
