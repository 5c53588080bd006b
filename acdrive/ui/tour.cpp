#include "acdrive/ui/tour.h"

#include "acdrive/ui/helpwindow.h"
#include "acdrive/ui/mainwindow.h"
#include "acdrive/ui/modalscript.h"
#include "acdrive/ui/program.h"
#include "acdrive/ui/splashwindow.h"
#include "acdrive/ui/tachowindow.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

namespace acdrive::ui {
namespace {

// Lets the windows lay themselves out and paint.
void Settle()
{
    for (int k = 0; k < 5; ++k)
        QApplication::processEvents();
}

} // namespace

Tour::Tour(AcProgram& program, const QString& folder)
    : program_(program)
    , folder_(folder)
{
    QDir().mkpath(folder_);
    QTimer::singleShot(200, this, &Tour::Run);
}

void Tour::Save(QWidget* window, const QString& name)
{
    Settle();
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path, "PNG"))
        std::fprintf(stderr, "acdrive: cannot write %s\n", qPrintable(path));
}

void Tour::RunWithAnswers(AcCommand command, const QStringList& answers)
{
    ModalScript script(60000);
    for (const QString& answer : answers) {
        script.Then([this, answer](QWidget* dialog) {
            const bool choice = answer.startsWith(u'#');
            if (choice)
                dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton") + answer.mid(1))
                    ->setChecked(true);
            else
                dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(answer);
            const QString name = choice ? QStringLiteral("dialog-choice") : QStringLiteral("dialog-number");
            if (!saved_.contains(name)) {
                Save(dialog, name);
                saved_.append(name);
            }
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        });
    }
    program_.mainWindow().RunCommand(command);
    for (const QString& failure : script.failures())
        std::fprintf(stderr, "acdrive tour: %s\n", qPrintable(failure));
}

void Tour::Run()
{
    TForm1& main = program_.mainWindow();
    main.FillSample();

    // The rheostat method on the sample as in its worked check (added resistance 0, a direct
    // start, 0 for the steady run, plugging and 0 for the stop), then the voltage regulator
    // (a non-reversible drive, converter efficiency 0,95, added resistance 0).
    RunWithAnswers(AcCommand::Rheostat,
        { QStringLiteral("0"), QStringLiteral("#1"), QStringLiteral("0"), QStringLiteral("#2"),
            QStringLiteral("0") });
    RunWithAnswers(
        AcCommand::VoltageRegulator, { QStringLiteral("#2"), QStringLiteral("0,95"), QStringLiteral("0") });
    Save(&main, QStringLiteral("main-results"));

    main.findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->setChecked(true);
    main.findChild<QToolButton*>(QStringLiteral("ToolButton7"))->setChecked(true);
    main.ShowTachogram();
    Save(&main, QStringLiteral("main-tachogram"));
    main.findChild<QToolButton*>(QStringLiteral("ToolButton8"))->setChecked(true);
    main.ShowPie();
    Save(&main, QStringLiteral("main-pie"));
    main.findChild<QToolButton*>(QStringLiteral("ToolButton9"))->setChecked(true);
    main.ShowBar();
    Save(&main, QStringLiteral("main-bar"));

    program_.editor().Open();
    Save(&program_.editor(), QStringLiteral("editor"));
    program_.editor().close();

    {
        ModalScript motorScript(30000);
        motorScript.Then([&](QWidget* window) {
            Save(window, QStringLiteral("motor"));
            if (auto* cancel = window->findChild<QToolButton*>(QStringLiteral("SpeedButton4")))
                cancel->click();
        });
        main.EnterSingleSpeedMotor(1);
    }

    main.ShowHelp();
    if (auto* help = main.findChild<HelpWindow*>())
        Save(help, QStringLiteral("help"));

    program_.splash().show();
    Save(&program_.splash(), QStringLiteral("splash"));
    program_.splash().hide();

    QApplication::quit();
}

} // namespace acdrive::ui
