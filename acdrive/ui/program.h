#pragma once

#include "acdrive/data/workingdata.h"

#include <memory>

namespace drive::ui {
class QtFileDialogs;
}

namespace acdrive::ui {

class ChoiceDialog;
class DialogPrompter;
class MotorWindow;
class NumberDialog;
class TForm2;
class SplashWindow;
class TForm1;

// The acdrive program: its one working data set, zero-filled, and its windows, each created
// once for the whole run in this order: the main window, the tachogram editor, the motor
// window, the splash window, the number dialog and the choice dialog. All but the main window
// stay hidden until a command shows them. Needs a QApplication.
class AcProgram {
public:
    AcProgram();
    ~AcProgram();

    AcWorkingData& data() { return data_; }
    TForm1& mainWindow() { return *main_; }
    TForm2& editor() { return *editor_; }
    MotorWindow& motorWindow() { return *motor_; }
    SplashWindow& splash() { return *splash_; }
    NumberDialog& numberDialog() { return *numberDialog_; }
    ChoiceDialog& choiceDialog() { return *choiceDialog_; }
    DialogPrompter& prompter() { return *prompter_; }
    drive::ui::QtFileDialogs& fileDialogs() { return *fileDialogs_; }

private:
    AcWorkingData data_ {};
    std::unique_ptr<TForm1> main_;
    std::unique_ptr<TForm2> editor_;
    std::unique_ptr<MotorWindow> motor_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<NumberDialog> numberDialog_;
    std::unique_ptr<ChoiceDialog> choiceDialog_;
    // The prompt service and the file dialogs of each window that asks (message boxes and
    // dialogs open over the window that asked).
    std::unique_ptr<DialogPrompter> prompter_;
    std::unique_ptr<DialogPrompter> editorPrompter_;
    std::unique_ptr<DialogPrompter> motorPrompter_;
    std::unique_ptr<drive::ui::QtFileDialogs> fileDialogs_;
    std::unique_ptr<drive::ui::QtFileDialogs> editorFileDialogs_;
    std::unique_ptr<drive::ui::QtFileDialogs> motorFileDialogs_;
};

// Sets up the application (Russian texts of the standard dialogs, the program icon), creates
// the program, shows the main window and runs until it is closed.
int RunProgram(int argc, char** argv);

} // namespace acdrive::ui
