#pragma once

#include "common/filedialogs.h"
#include "dcdrive/data/windows.h"
#include "dcdrive/data/workingdata.h"
#include "dcdrive/ui/dialogprompter.h"
#include "dcdrive/ui/forms.h"
#include "dcdrive/ui/services.h"

#include <memory>

namespace dcdrive::ui {

class TForm1;

// The running program: its working data set, the dialogs through which the core asks, and the
// seven windows: the main window first, the others hidden and shown modally on demand.
class DcProgram : public DcWindows, public DcForms {
public:
    // `dialogs` takes the place of the platform's file dialogs (the tests give fixed names).
    explicit DcProgram(std::unique_ptr<drive::FileDialogs> dialogs = nullptr);
    ~DcProgram() override;

    DcProgram(const DcProgram&) = delete;
    DcProgram& operator=(const DcProgram&) = delete;

    DcWorkingData& Data() { return data_; }
    TForm1& Form1() { return *form1_; }
    TForm2& Form2() override;
    TForm3& Form3() override;
    TForm4& Form4() override;
    TForm5& Form5() override;
    TForm6& Form6() override;
    TForm7& Form7() override;

    // The load diagram editor, modally.
    void ShowTachoEditor() override;
    // The motor data window, modally.
    void ShowMotorWindow() override;

private:
    DcWorkingData data_;
    DialogPrompter prompter_;
    std::unique_ptr<drive::FileDialogs> dialogs_;
    DcServices services_;
    std::unique_ptr<TForm1> form1_;
    // Owned by the main window once made.
    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    TForm6* form6_ = nullptr;
    TForm7* form7_ = nullptr;
};

// Starts the desktop program and runs it until the main window closes; the exit status.
int RunProgram(int argc, char** argv);

} // namespace dcdrive::ui
