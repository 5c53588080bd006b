#include "dcdrive/ui/tour.h"

#include "common/ui/modalscript.h"
#include "dcdrive/ui/aboutbox.h"
#include "dcdrive/ui/mainwindow.h"
#include "dcdrive/ui/program.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

namespace dcdrive::ui {
namespace {

template <typename Control> Control* Find(QWidget* window, const char* name)
{
    return window->findChild<Control*>(QString::fromLatin1(name));
}

void Click(QWidget* window, const char* name)
{
    if (auto* button = Find<QAbstractButton>(window, name))
        button->click();
    else
        std::fprintf(stderr, "dcdrive tour: no %s in %s\n", name, qPrintable(window->objectName()));
}

void Type(QWidget* window, const char* name, const QString& text)
{
    if (auto* edit = Find<QLineEdit>(window, name))
        edit->setText(text);
}

void Tick(QWidget* window, const char* name, bool ticked)
{
    if (auto* box = Find<QCheckBox>(window, name))
        box->setChecked(ticked);
}

void PressOk(QWidget* box)
{
    if (auto* message = qobject_cast<QMessageBox*>(box))
        message->button(QMessageBox::Ok)->click();
}

} // namespace

Tour::Tour(DcProgram& program, const QString& folder)
    : program_(program)
    , pictures_(folder, "dcdrive tour")
{
    QTimer::singleShot(300, this, &Tour::Run);
}

void Tour::Run()
{
    const QDir data(qEnvironmentVariable("DCDRIVE_TOUR_DATA"));
    // The generator-motor's short transients want a short pause for the duty factor, the
    // converter-motor's longer ones a longer pause.
    const QString diagram = data.filePath(QStringLiteral("dc-forward-reverse-pause-10s.tah"));
    const QString longPause = data.filePath(QStringLiteral("dc-forward-reverse-pause-35s.tah"));
    const QString motor = data.filePath(QStringLiteral("dc-motor-4kw-220v.dpt"));
    TForm1& main = program_.Form1();
    pictures_.Save(&main, QStringLiteral("tform1-start"));

    drive::ui::ModalScript script(120000);
    const auto openFile = [this](const QString& file, const QString& picture) {
        return [this, file, picture](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            if (!dialog)
                return;
            if (!picture.isEmpty())
                pictures_.Save(dialog, picture);
            // The name typed into the dialog's name field, as a user would.
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(file);
            static_cast<QDialog*>(dialog)->accept();
        };
    };

    // "Схема Г-Д" at start: the entry checks lead through the editor and the motor window.
    script.Then([this](QWidget* box) {
        pictures_.Save(box, QStringLiteral("message-box"));
        PressOk(box);
    });
    script.Then([this](QWidget* editor) {
        Click(editor, "SpeedButton2");
        pictures_.Save(editor, QStringLiteral("tform4"));
        Click(editor, "SpeedButton6");
    });
    script.Then(openFile(diagram, QStringLiteral("open-dialog")));
    script.Then(PressOk);
    script.Then([this](QWidget* window) {
        Click(window, "SpeedButton4");
        pictures_.Save(window, QStringLiteral("tform2"));
        Click(window, "SpeedButton1");
    });
    script.Then(openFile(motor, QString()));
    script.Then([this](QWidget* window) {
        Type(window, "Edit1", QStringLiteral("1"));
        Type(window, "Edit2", QStringLiteral("100"));
        Type(window, "Edit3", QStringLiteral("20"));
        Tick(window, "CheckBox1", true);
        pictures_.Save(window, QStringLiteral("tform5"));
        Click(window, "Button1");
    });
    main.GeneratorMotorClick();
    pictures_.Save(&main, QStringLiteral("tform1-memo"));

    // The longer pause into the editor and accepted there.
    script.Then([](QWidget* editor) {
        Click(editor, "SpeedButton2");
        Click(editor, "SpeedButton6");
    });
    script.Then(openFile(longPause, QString()));
    main.ShowTachoEditorClick();

    script.Then([this](QWidget* window) {
        Type(window, "Edit16", QStringLiteral("230"));
        Type(window, "Edit17", QStringLiteral("1"));
        Type(window, "Edit18", QStringLiteral("40"));
        Tick(window, "CheckBox2", true);
        pictures_.Save(window, QStringLiteral("tform6"));
        Click(window, "SpeedButton1");
    });
    script.Then([this](QWidget* window) {
        pictures_.Save(window, QStringLiteral("tform7"));
        Click(window, "SpeedButton1");
    });
    main.ConverterMotorClick();
    pictures_.Save(&main, QStringLiteral("tform1-memo-both"));

    main.SpeedButton7Click();
    pictures_.Save(&main, QStringLiteral("tform1-chart"));

    script.Then([this](QWidget* about) {
        pictures_.Save(about, QStringLiteral("tform3"));
        static_cast<QDialog*>(about)->accept();
    });
    main.AboutClick();

    // A calculation on a diagram the motor cannot follow: the Yes/No question.
    script.Then([this](QWidget* window) {
        Tick(window, "CheckBox1", false);
        Click(window, "Button1");
    });
    script.Then([this](QWidget* box) {
        pictures_.Save(box, QStringLiteral("question-box"));
        if (auto* question = qobject_cast<QMessageBox*>(box))
            question->button(QMessageBox::No)->click();
    });
    script.Then([](QWidget* window) { static_cast<QDialog*>(window)->reject(); });
    program_.Data().allowedAcceleration = 1;
    main.GeneratorMotorClick();

    for (const QString& failure : script.failures())
        std::fprintf(stderr, "dcdrive tour: %s\n", qPrintable(failure));
    QCoreApplication::exit(script.failures().isEmpty() ? 0 : 1);
}

} // namespace dcdrive::ui
