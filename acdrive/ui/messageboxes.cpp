#include "acdrive/ui/messageboxes.h"

#include "acdrive/ui/uitexts.h"

#include <QMessageBox>
#include <QString>

namespace acdrive::ui {
namespace {

QString BoxText(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(u'\r', u'\n');
    return result;
}

} // namespace

void ShowNoticeBox(QWidget* parent, const std::string& text)
{
    QMessageBox box(
        QMessageBox::NoIcon, QString::fromUtf8(kMainCaption), BoxText(text), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("NoticeBox"));
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

} // namespace acdrive::ui
