#include "dcdrive/ui/dialogprompter.h"

#include "dcdrive/ui/messageboxes.h"
#include "dcdrive/ui/uitexts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace dcdrive::ui {

QWidget* DialogPrompter::Parent() const
{
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget() : mainWindow_;
}

std::string DialogPrompter::AskNumber(const std::string& question)
{
    return QInputDialog::getText(Parent(), QString::fromUtf8(kMainCaption), QString::fromStdString(question))
        .toStdString();
}

bool DialogPrompter::AskChoice(
    const std::string& question, const std::string& first, const std::string& second)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kMainCaption), QString::fromStdString(question),
        QMessageBox::NoButton, Parent());
    QPushButton* firstButton = box.addButton(QString::fromStdString(first), QMessageBox::AcceptRole);
    box.addButton(QString::fromStdString(second), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == firstButton;
}

bool DialogPrompter::AskYesNo(const std::string& question)
{
    return AskYesNoBox(Parent(), question);
}

void DialogPrompter::ShowNotice(const std::string& text)
{
    ShowMessageBox(Parent(), text);
}

} // namespace dcdrive::ui
