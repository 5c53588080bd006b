#include "acdrive/ui/dialogprompter.h"

#include "acdrive/ui/messageboxes.h"
#include "acdrive/ui/promptdialogs.h"

#include <QString>

namespace acdrive::ui {

DialogPrompter::DialogPrompter(NumberDialog& numberDialog, ChoiceDialog& choiceDialog, QWidget* boxParent)
    : numberDialog_(&numberDialog)
    , choiceDialog_(&choiceDialog)
    , boxParent_(boxParent)
{
}

void DialogPrompter::AttachDialogs(NumberDialog& numberDialog, ChoiceDialog& choiceDialog)
{
    numberDialog_ = &numberDialog;
    choiceDialog_ = &choiceDialog;
}

std::string DialogPrompter::AskNumber(const std::string& question)
{
    if (const std::optional<QString> answer = numberDialog_->Ask(QString::fromStdString(question)))
        lastNumber_ = answer->toStdString();
    return lastNumber_;
}

bool DialogPrompter::AskChoice(
    const std::string& question, const std::string& first, const std::string& second)
{
    if (const std::optional<bool> answer = choiceDialog_->Ask(
            QString::fromStdString(question), QString::fromStdString(first), QString::fromStdString(second)))
        lastChoice_ = *answer;
    return lastChoice_;
}

bool DialogPrompter::AskYesNo(const std::string& question)
{
    return AskYesNoBox(boxParent_, question);
}

void DialogPrompter::ShowNotice(const std::string& text)
{
    ShowNoticeBox(boxParent_, text);
}

} // namespace acdrive::ui
