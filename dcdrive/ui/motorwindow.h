#pragma once

#include "dcdrive/data/motordata.h"
#include "dcdrive/ui/services.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace dcdrive::ui {

// The motor data window "Ввод данных": thirteen numeric edits in two group boxes and four
// buttons. Shown modally; its edits keep their texts between showings.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(DcServices& services, QWidget* parent = nullptr);

    // The texts of Edit1 .. Edit13.
    const DcMotorEdits& Edits() const { return edits_; }

    // LoadMotorDataFile into the edits (also the main window's commands), whether or not the
    // window is shown.
    void LoadMotorDataFile();

    // "Принятие изменений": the window closes when the acceptance completed.
    void SpeedButton1Click();
    // "Отмена изменений": closes the window; texts and working data stay as they are.
    void SpeedButton2Click();
    // "Сохранить данные двигателя".
    void SpeedButton3Click();
    // "Загрузить данные двигателя".
    void SpeedButton4Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RefreshEdits();

    DcServices& services_;
    DcMotorEdits edits_;
    std::array<QLineEdit*, kMotorEditCount> edit_ {};
};

} // namespace dcdrive::ui
