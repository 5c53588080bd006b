#include "common/ui/qtfiledialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace drive::ui {

QtFileDialogs::QtFileDialogs(Namer namer, QWidget* parent)
    : namer_(std::move(namer))
    , parent_(parent)
{
}

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
    QWidget* parent = parent_               ? parent_
        : QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                            : QApplication::activeWindow();
    QFileDialog dialog(parent);
    dialog.setObjectName(namer_(save, filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(DialogFilter(filter));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

QString DialogFilter(const std::string& filter)
{
    const QString text = QString::fromStdString(filter);
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0)
        return text;
    return QStringLiteral("%1 (%2)").arg(text.left(bar), text.mid(bar + 1));
}

} // namespace drive::ui
