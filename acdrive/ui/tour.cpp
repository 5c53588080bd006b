#include "acdrive/ui/tour.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

#include "acdrive/ui/helpwindow.h"
#include "acdrive/ui/mainwindow.h"
#include "acdrive/ui/modalscript.h"
#include "acdrive/ui/program.h"
#include "acdrive/ui/splashwindow.h"

namespace acdrive::ui {
namespace {

// Lets the windows lay themselves out and paint.
void Settle()
{
    for (int k = 0; k < 5; ++k)
        QApplication::processEvents();
}

}  // namespace

Tour::Tour(AcProgram& program, const QString& folder) : program_(program), folder_(folder)
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

void Tour::Run()
{
    TForm1& main = program_.mainWindow();
    main.FillSample();

    // The rheostat method on the sample: added resistance 0, a direct start, 0 for the steady
    // run, plugging for the stop and 0 for its resistance.
    ModalScript script(60000);
    bool numberSaved = false;
    bool choiceSaved = false;
    const auto number = [&](const QString& answer) {
        return [&, answer](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(answer);
            if (!numberSaved) {
                Save(dialog, QStringLiteral("dialog-number"));
                numberSaved = true;
            }
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        };
    };
    const auto choice = [&](const char* option) {
        return [&, option](QWidget* dialog) {
            dialog->findChild<QRadioButton*>(QString::fromLatin1(option))->setChecked(true);
            if (!choiceSaved) {
                Save(dialog, QStringLiteral("dialog-choice"));
                choiceSaved = true;
            }
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        };
    };
    script.Then(number(QStringLiteral("0")));
    script.Then(choice("RadioButton1"));
    script.Then(number(QStringLiteral("0")));
    script.Then(choice("RadioButton2"));
    script.Then(number(QStringLiteral("0")));
    main.RunCommand(AcCommand::Rheostat);
    for (const QString& failure : script.failures())
        std::fprintf(stderr, "acdrive tour: %s\n", qPrintable(failure));
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

    main.ShowHelp();
    if (auto* help = main.findChild<HelpWindow*>())
        Save(help, QStringLiteral("help"));

    program_.splash().show();
    Save(&program_.splash(), QStringLiteral("splash"));
    program_.splash().hide();

    QApplication::quit();
}

}  // namespace acdrive::ui
