#include "acdrive/ui/tour.h"

#include "acdrive/ui/helpwindow.h"
#include "acdrive/ui/mainwindow.h"
#include "acdrive/ui/program.h"
#include "acdrive/ui/splashwindow.h"
#include "acdrive/ui/tachowindow.h"
#include "common/ui/modalscript.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

namespace acdrive::ui {

Tour::Tour(AcProgram& program, const QString& folder)
    : program_(program)
    , pictures_(folder, "acdrive")
{
    QTimer::singleShot(200, this, &Tour::Run);
}

void Tour::RunWithAnswers(AcCommand command, const QStringList& answers)
{
    drive::ui::ModalScript script(60000);
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
                pictures_.Save(dialog, name);
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
    pictures_.Save(&main, QStringLiteral("main-results"));

    main.findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->setChecked(true);
    main.findChild<QToolButton*>(QStringLiteral("ToolButton7"))->setChecked(true);
    main.ShowTachogram();
    pictures_.Save(&main, QStringLiteral("main-tachogram"));
    main.findChild<QToolButton*>(QStringLiteral("ToolButton8"))->setChecked(true);
    main.ShowPie();
    pictures_.Save(&main, QStringLiteral("main-pie"));
    main.findChild<QToolButton*>(QStringLiteral("ToolButton9"))->setChecked(true);
    main.ShowBar();
    pictures_.Save(&main, QStringLiteral("main-bar"));

    program_.editor().Open();
    pictures_.Save(&program_.editor(), QStringLiteral("editor"));
    program_.editor().close();

    {
        drive::ui::ModalScript motorScript(30000);
        motorScript.Then([&](QWidget* window) {
            pictures_.Save(window, QStringLiteral("motor"));
            if (auto* cancel = window->findChild<QToolButton*>(QStringLiteral("SpeedButton4")))
                cancel->click();
        });
        main.EnterSingleSpeedMotor(1);
    }

    main.ShowHelp();
    if (auto* help = main.findChild<HelpWindow*>())
        pictures_.Save(help, QStringLiteral("help"));

    program_.splash().show();
    pictures_.Save(&program_.splash(), QStringLiteral("splash"));
    program_.splash().hide();

    QApplication::quit();
}

} // namespace acdrive::ui
