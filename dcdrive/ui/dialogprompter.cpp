#include "dcdrive/ui/dialogprompter.h"

#include "dcdrive/data/tachogrid.h"
#include "dcdrive/ui/messageboxes.h"
#include "dcdrive/ui/uitexts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace dcdrive::ui {
namespace {

std::optional<std::string> RunFileDialog(QFileDialog::AcceptMode mode, const std::string& filter)
{
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                        : QApplication::activeWindow();
    QFileDialog dialog(parent);
    const bool picture = filter == kChartPictureFilter;
    dialog.setObjectName(mode == QFileDialog::AcceptOpen ? QStringLiteral("OpenDialog1")
            : picture                                    ? QStringLiteral("SaveDialog2")
                                                         : QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(DialogFilter(filter));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

QString DialogFilter(const std::string& filter)
{
    const QString text = QString::fromStdString(filter);
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0)
        return text;
    return QStringLiteral("%1 (%2)").arg(text.left(bar), text.mid(bar + 1));
}

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

std::optional<std::string> PlatformFileDialogs::GetSaveFileName(const std::string& filter)
{
    return RunFileDialog(QFileDialog::AcceptSave, filter);
}

std::optional<std::string> PlatformFileDialogs::GetOpenFileName(const std::string& filter)
{
    return RunFileDialog(QFileDialog::AcceptOpen, filter);
}

} // namespace dcdrive::ui
