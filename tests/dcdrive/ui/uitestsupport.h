#pragma once

// Helpers of the dcdrive window tests: the program with fixed file names, the realistic drive
// of the fixtures, and steps that answer the modal windows as a user would.

#include "common/filedialogs.h"
#include "dcdrive/ui/program.h"
#include "tests/support/ui/boxsteps.h"
#include "tests/support/ui/testfiles.h"

#include <QString>
#include <QStringList>
#include <memory>

class QAbstractButton;
class QWidget;

namespace uitest {

// The program as it starts, with file dialogs that return the names set in `dialogs`.
struct TestProgram {
    TestProgram();

    drive::FixedFileDialogs* dialogs;
    std::unique_ptr<dcdrive::ui::DcProgram> program;
};

// A fixture of tests/data.
QString DataFile(const char* name);
// The lines of the main window's memo.
QStringList MemoLines(dcdrive::ui::DcProgram& program);

// The button named `name` of a window (nullptr when there is none).
QAbstractButton* Button(QWidget* window, const char* name);
// Clicks the button named `name` with the mouse; a missing button is a failure of the script.
void Click(QWidget* window, const char* name, ModalScript& script);
// Types keys into the edit named `name` after selecting its text, as a user replaces a value.
void TypeOver(QWidget* window, const char* name, const QString& keys);

// Loads the load diagram and the motor files in the editor and the motor window and accepts
// both, through the windows' buttons with the names given to the fixed dialogs (the windows are
// not shown). Messages on the way are failures of `script`.
void AcceptDrive(TestProgram& test, const char* diagram, const char* motor);

// Steps for the next modal window:
// expects the program's message `text` and presses OK;
ModalScript::Step ExpectMessage(const QString& text, ModalScript& script);
// expects the Yes/No question `text` and answers it;
ModalScript::Step AnswerQuestion(const QString& text, bool yes, ModalScript& script);
// expects the window named `name` and closes it through its close box;
ModalScript::Step CloseWindow(const char* name, ModalScript& script);
// expects an open dialog with the filter `filter`, types the file's name and opens it.
ModalScript::Step OpenFile(const QString& filter, const QString& file, ModalScript& script);

} // namespace uitest
