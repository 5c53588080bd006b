#include "tests/support/ui/boxsteps.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

namespace uitest {

QMessageBox* ExpectBox(QWidget* window, const char* name, ModalScript& script)
{
    auto* box = qobject_cast<QMessageBox*>(window);
    if (box && box->objectName() == QString::fromLatin1(name))
        return box;
    script.AddFailure(
        QStringLiteral("expected %1, got %2").arg(QString::fromLatin1(name), ModalScript::Describe(window)));
    return nullptr;
}

void ExpectBoxText(QMessageBox* box, const QString& text, ModalScript& script)
{
    if (box->text() != text)
        script.AddFailure(QStringLiteral("expected \"%1\", shown \"%2\"").arg(text, box->text()));
}

ModalScript::Step ExpectErrorBox(const QString& text, ModalScript& script)
{
    return [text, &script](QWidget* window) {
        if (QMessageBox* box = ExpectBox(window, "ErrorBox", script)) {
            if (box->icon() != QMessageBox::Critical)
                script.AddFailure(QStringLiteral("the error box has no error icon"));
            ExpectBoxText(box, text, script);
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        }
    };
}

} // namespace uitest
