#include "uitestsupport.h"

#include "dcdrive/ui/mainwindow.h"
#include "dcdrive/ui/motorwindow.h"
#include "dcdrive/ui/tachoeditor.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>

namespace uitest {

TestProgram::TestProgram()
{
    auto fixed = std::make_unique<drive::FixedFileDialogs>();
    dialogs = fixed.get();
    program = std::make_unique<dcdrive::ui::DcProgram>(std::move(fixed));
}

QString DataFile(const char* name)
{
    return QStringLiteral(DRIVE_TESTS_DIR "/data/") + QString::fromUtf8(name);
}

QStringList MemoLines(dcdrive::ui::DcProgram& program)
{
    const QString text = program.Form1().findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

QAbstractButton* Button(QWidget* window, const char* name)
{
    return window->findChild<QAbstractButton*>(QString::fromLatin1(name));
}

void Click(QWidget* window, const char* name, ModalScript& script)
{
    QAbstractButton* button = Button(window, name);
    if (!button) {
        script.AddFailure(QStringLiteral("no %1 in %2").arg(QString::fromLatin1(name), window->objectName()));
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

void TypeOver(QWidget* window, const char* name, const QString& keys)
{
    auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(edit, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

void AcceptDrive(TestProgram& test, const char* diagram, const char* motor)
{
    dcdrive::ui::DcProgram& program = *test.program;
    test.dialogs->openName = DataFile(diagram).toStdString();
    program.Form4().SpeedButton2Click();
    program.Form4().SpeedButton6Click();
    test.dialogs->openName = DataFile(motor).toStdString();
    program.Form2().SpeedButton4Click();
    program.Form2().SpeedButton1Click();
    test.dialogs->openName.reset();
}

ModalScript::Step ExpectMessage(const QString& text, ModalScript& script)
{
    return [text, &script](QWidget* window) {
        if (QMessageBox* box = ExpectBox(window, "MessageBox", script)) {
            ExpectBoxText(box, text, script);
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        }
    };
}

ModalScript::Step AnswerQuestion(const QString& text, bool yes, ModalScript& script)
{
    return [text, yes, &script](QWidget* window) {
        if (QMessageBox* box = ExpectBox(window, "ConfirmationBox", script)) {
            ExpectBoxText(box, text, script);
            QTest::mouseClick(box->button(yes ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
        }
    };
}

ModalScript::Step CloseWindow(const char* name, ModalScript& script)
{
    return [name, &script](QWidget* window) {
        script.Expect(window, QString::fromLatin1(name));
        window->close();
    };
}

ModalScript::Step OpenFile(const QString& filter, const QString& file, ModalScript& script)
{
    return [filter, file, &script](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        if (!dialog) {
            script.AddFailure(
                QStringLiteral("expected an open dialog, got ") + ModalScript::Describe(window));
            return;
        }
        if (dialog->nameFilters() != QStringList { filter })
            script.AddFailure(QStringLiteral("open dialog filters: ") + dialog->nameFilters().join(u';'));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) {
            script.AddFailure(QStringLiteral("the open dialog has no name field"));
            return;
        }
        name->setText(file);
        QTest::keyClick(name, Qt::Key_Return);
    };
}

} // namespace uitest
