#pragma once

#include <memory>

#include "acdrive/data/workingdata.h"

namespace acdrive::ui {

class ChoiceDialog;
class DialogPrompter;
class NumberDialog;
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
    SplashWindow& splash() { return *splash_; }
    NumberDialog& numberDialog() { return *numberDialog_; }
    ChoiceDialog& choiceDialog() { return *choiceDialog_; }
    DialogPrompter& prompter() { return *prompter_; }

private:
    AcWorkingData data_{};
    std::unique_ptr<TForm1> main_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<NumberDialog> numberDialog_;
    std::unique_ptr<ChoiceDialog> choiceDialog_;
    std::unique_ptr<DialogPrompter> prompter_;
};

// Sets up the application (Russian texts of the standard dialogs, the program icon), creates
// the program, shows the main window and runs until it is closed.
int RunProgram(int argc, char** argv);

}  // namespace acdrive::ui
