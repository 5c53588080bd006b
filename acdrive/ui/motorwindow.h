#pragma once

#include "acdrive/data/motorwindow.h"

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;

namespace acdrive::ui {

// The motor window "Параметры двигателя", shown modally: the 13 parameter fields of one motor
// (or of one speed of a multi-speed motor), each with the numeric key filter, the step and
// rotor type header and four buttons. It mirrors the core's MotorWindowTexts; each showing
// refills the fields from the working data set (ShowMotorData).
class MotorWindow : public QDialog, public MotorDialog {
    Q_OBJECT
public:
    MotorWindow(AcWorkingData& working, drive::FileDialogs& dialogs, drive::Prompter& prompter,
        QWidget* parent = nullptr);

    // Run after an accepted entry: the main window updates its calculation menu.
    void SetAcceptedHandler(std::function<void()> handler) { accepted_ = std::move(handler); }

    // Shows the window modally and returns when it is accepted or cancelled.
    void ShowModal() override;

    // The field texts as the core knows them; ShowTexts puts them on the screen.
    MotorWindowTexts& texts() { return texts_; }
    void ShowTexts();
    // Takes the typed field texts into texts().
    void TakeTexts();

    void LoadClick();
    void SaveClick();
    void AcceptClick();
    void CancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    AcWorkingData& data_;
    drive::FileDialogs& dialogs_;
    drive::Prompter& prompter_;
    std::function<void()> accepted_;
    MotorWindowTexts texts_;
    std::array<QLineEdit*, kMotorFieldCount> fields_ {};
    QLabel* stepLabel_;
    QLabel* stepNumber_;
    QLabel* rotorType_;
};

} // namespace acdrive::ui
