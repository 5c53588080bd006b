#include "acdrive/ui/program.h"

#include "acdrive/ui/artwork.h"
#include "acdrive/ui/dialogprompter.h"
#include "acdrive/ui/mainwindow.h"
#include "acdrive/ui/motorwindow.h"
#include "acdrive/ui/promptdialogs.h"
#include "acdrive/ui/qtfiledialogs.h"
#include "acdrive/ui/splashwindow.h"
#include "acdrive/ui/tachowindow.h"
#include "acdrive/ui/tour.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

namespace acdrive::ui {

AcProgram::AcProgram()
{
    main_ = std::make_unique<TForm1>(data_);
    prompter_ = std::make_unique<DialogPrompter>(main_.get());
    fileDialogs_ = std::make_unique<QtFileDialogs>(main_.get());

    editorPrompter_ = std::make_unique<DialogPrompter>(nullptr);
    editorFileDialogs_ = std::make_unique<QtFileDialogs>(nullptr);
    editor_ = std::make_unique<TForm2>(data_, *editorFileDialogs_, *editorPrompter_);
    editorPrompter_->SetBoxParent(editor_.get());
    editorFileDialogs_->SetParent(editor_.get());

    motorPrompter_ = std::make_unique<DialogPrompter>(nullptr);
    motorFileDialogs_ = std::make_unique<QtFileDialogs>(nullptr);
    motor_ = std::make_unique<MotorWindow>(data_, *motorFileDialogs_, *motorPrompter_);
    motorPrompter_->SetBoxParent(motor_.get());
    motorFileDialogs_->SetParent(motor_.get());

    splash_ = std::make_unique<SplashWindow>();
    numberDialog_ = std::make_unique<NumberDialog>();
    choiceDialog_ = std::make_unique<ChoiceDialog>();
    for (DialogPrompter* prompter : { prompter_.get(), editorPrompter_.get(), motorPrompter_.get() })
        prompter->AttachDialogs(*numberDialog_, *choiceDialog_);

    main_->SetCompanions(editor_.get(), motor_.get(), splash_.get(), prompter_.get(), fileDialogs_.get());
    editor_->SetGraphSelection([this] { return main_->WhatIsGraph(); });
    motor_->SetAcceptedHandler([this] { main_->RefreshCalculationMenu(); });
    // Only the main window ends the program when it is closed.
    for (QWidget* window : { static_cast<QWidget*>(editor_.get()), static_cast<QWidget*>(motor_.get()),
             static_cast<QWidget*>(splash_.get()), static_cast<QWidget*>(numberDialog_.get()),
             static_cast<QWidget*>(choiceDialog_.get()) })
        window->setAttribute(Qt::WA_QuitOnClose, false);
}

AcProgram::~AcProgram() = default;

int RunProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("acdrive"));
    QApplication::setWindowIcon(ProgramIcon());
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // The standard dialogs (files, printer, Yes/No) speak Russian like the rest of the program.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    AcProgram program;
    program.mainWindow().show();

    // Hidden switches for the project's own scripts: a guided tour that saves a picture of each
    // window into a folder, and an exit as soon as the main window is up (start-up timing).
    const QByteArray tourFolder = qgetenv("ACDRIVE_TOUR");
    std::unique_ptr<Tour> tour;
    if (!tourFolder.isEmpty())
        tour = std::make_unique<Tour>(program, QString::fromLocal8Bit(tourFolder));
    else if (qEnvironmentVariableIsSet("ACDRIVE_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace acdrive::ui
