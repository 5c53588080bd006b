#include "acdrive/ui/program.h"

#include "acdrive/ui/artwork.h"
#include "acdrive/ui/dialogprompter.h"
#include "acdrive/ui/mainwindow.h"
#include "acdrive/ui/motorwindow.h"
#include "acdrive/ui/promptdialogs.h"
#include "acdrive/ui/splashwindow.h"
#include "acdrive/ui/tachowindow.h"
#include "acdrive/ui/tour.h"
#include "common/ui/application.h"
#include "common/ui/qtfiledialogs.h"

namespace acdrive::ui {
namespace {

// The object names of the file dialogs: SaveDialog for every save, OpenDialog for every open.
QString FileDialogName(bool save, const std::string&)
{
    return save ? QStringLiteral("SaveDialog") : QStringLiteral("OpenDialog");
}

} // namespace

AcProgram::AcProgram()
{
    main_ = std::make_unique<TForm1>(data_);
    prompter_ = std::make_unique<DialogPrompter>(main_.get());
    fileDialogs_ = std::make_unique<drive::ui::QtFileDialogs>(FileDialogName, main_.get());

    editorPrompter_ = std::make_unique<DialogPrompter>(nullptr);
    editorFileDialogs_ = std::make_unique<drive::ui::QtFileDialogs>(FileDialogName);
    editor_ = std::make_unique<TForm2>(data_, *editorFileDialogs_, *editorPrompter_);
    editorPrompter_->SetBoxParent(editor_.get());
    editorFileDialogs_->SetParent(editor_.get());

    motorPrompter_ = std::make_unique<DialogPrompter>(nullptr);
    motorFileDialogs_ = std::make_unique<drive::ui::QtFileDialogs>(FileDialogName);
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
    drive::ui::Application app(argc, argv, QStringLiteral("acdrive"), &ProgramIcon);
    AcProgram program;
    program.mainWindow().show();
    // A guided tour saves a picture of each window into a folder.
    return app.Run("ACDRIVE_TOUR", "ACDRIVE_QUIT_WHEN_SHOWN",
        [&program](const QString& folder) { return std::make_unique<Tour>(program, folder); });
}

} // namespace acdrive::ui
