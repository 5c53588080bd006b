#include "acdrive/ui/qtfiledialogs.h"

#include "acdrive/ui/picturefiles.h"

#include <QFileDialog>

namespace acdrive::ui {

std::optional<std::string> QtFileDialogs::GetSaveFileName(const std::string& filter)
{
    return Ask(filter, true);
}

std::optional<std::string> QtFileDialogs::GetOpenFileName(const std::string& filter)
{
    return Ask(filter, false);
}

std::optional<std::string> QtFileDialogs::Ask(const std::string& filter, bool save)
{
    QFileDialog dialog(parent_);
    dialog.setObjectName(save ? QStringLiteral("SaveDialog") : QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(DialogFilter(filter.c_str()));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

} // namespace acdrive::ui
