#pragma once

#include "common/filedialogs.h"
#include "dcdrive/data/windows.h"
#include "dcdrive/data/workingdata.h"
#include "dcdrive/ui/dialogprompter.h"
#include "dcdrive/ui/services.h"

#include <memory>

namespace dcdrive::ui {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;

// The running program: its working data set, the dialogs through which the core asks, and the
// seven windows, created once in the order of start-up (the main window first, the others
// hidden) and shown modally on demand.
class DcProgram : public DcWindows {
public:
    // `dialogs` takes the place of the platform's file dialogs (the tests give fixed names).
    explicit DcProgram(std::unique_ptr<drive::FileDialogs> dialogs = nullptr);
    ~DcProgram() override;

    DcProgram(const DcProgram&) = delete;
    DcProgram& operator=(const DcProgram&) = delete;

    DcWorkingData& Data() { return data_; }
    TForm1& Form1() { return *form1_; }
    TForm2& Form2() { return *form2_; }
    TForm3& Form3() { return *form3_; }
    TForm4& Form4() { return *form4_; }
    TForm5& Form5() { return *form5_; }
    TForm6& Form6() { return *form6_; }
    TForm7& Form7() { return *form7_; }

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
    // Owned by the main window.
    TForm2* form2_;
    TForm3* form3_;
    TForm4* form4_;
    TForm5* form5_;
    TForm6* form6_;
    TForm7* form7_;
};

// Starts the desktop program and runs it until the main window closes; the exit status.
int RunProgram(int argc, char** argv);

} // namespace dcdrive::ui
