#include "dcdrive/ui/messageboxes.h"

#include "dcdrive/ui/uitexts.h"

#include <QMessageBox>
#include <QString>

namespace dcdrive::ui {
namespace {

QString BoxText(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(u'\r', u'\n');
    return result;
}

} // namespace

void ShowMessageBox(QWidget* parent, const std::string& text)
{
    QMessageBox box(
        QMessageBox::NoIcon, QString::fromUtf8(kMainCaption), BoxText(text), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

bool AskYesNoBox(QWidget* parent, const std::string& question)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kMainCaption), BoxText(question),
        QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("ConfirmationBox"));
    return box.exec() == QMessageBox::Yes;
}

void ShowErrorBox(QWidget* parent, const std::exception& error)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kMainCaption), BoxText(error.what()),
        QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

} // namespace dcdrive::ui
