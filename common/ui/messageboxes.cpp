#include "common/ui/messageboxes.h"

#include <QMessageBox>
#include <QString>

namespace drive::ui {
namespace {

QString BoxText(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(u'\r', u'\n');
    return result;
}

} // namespace

void ShowMessageBox(QWidget* parent, const char* caption, const char* objectName, const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(caption), BoxText(text), QMessageBox::Ok, parent);
    box.setObjectName(QString::fromLatin1(objectName));
    box.exec();
}

bool AskYesNoBox(QWidget* parent, const char* caption, const std::string& question)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(caption), BoxText(question),
        QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("ConfirmationBox"));
    return box.exec() == QMessageBox::Yes;
}

void ShowErrorBox(QWidget* parent, const char* caption, const std::exception& error)
{
    QMessageBox box(
        QMessageBox::Critical, QString::fromUtf8(caption), BoxText(error.what()), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

} // namespace drive::ui
