#pragma once

// The input windows of the two systems: TForm5 (generator-motor), TForm6 (converter-motor) and
// TForm7 (its coefficients), from which the calculations run.

#include "common/linesink.h"
#include "dcdrive/calc/convertermotor.h"
#include "dcdrive/calc/generatormotor.h"
#include "dcdrive/ui/forms.h"
#include "dcdrive/ui/services.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace dcdrive::ui {

// " Ввод данных для системы Г-Д": Rгс, Rвг and Lвг, the source-data box and "ОК", which runs
// the calculation into the memo. A completed calculation closes the window; one that ended
// early leaves it open for corrections.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    TForm5(DcServices& services, drive::LineSink& memo, QWidget* parent = nullptr);

    const GeneratorMotorForm& Form() const { return form_; }

    // "ОК": CalculateGeneratorMotor.
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DcServices& services_;
    drive::LineSink& memo_;
    GeneratorMotorForm form_;
};

// "Ввод данных для расчета системы ТП-Д": Eп, Rп, Px, the ramp generator and source-data boxes;
// accepting opens the coefficient window and closes this one when that closes.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    // `forms` holds the coefficient window its accept opens.
    TForm6(DcServices& services, DcForms& forms, QWidget* parent = nullptr);

    const ConverterMotorForm& Form() const { return form_; }

    // Accept: AcceptConverterInputs, then TForm7 modally, then this window closes.
    void SpeedButton1Click();
    // Closes the window.
    void SpeedButton2Click();

private:
    DcServices& services_;
    DcForms& forms_;
    ConverterMotorForm form_;
};

// "Ввод коэффициентов": the two reference tables as fixed text, Ki and Kф, and the button that
// runs the converter-motor calculation into the memo.
class TForm7 : public QDialog {
    Q_OBJECT
public:
    TForm7(DcServices& services, drive::LineSink& memo, const TForm6& form6, QWidget* parent = nullptr);

    const CoefficientForm& Form() const { return form_; }

    // Calculate: CalculateConverterMotor; a completed calculation closes the window.
    void SpeedButton1Click();
    // Closes the window.
    void SpeedButton2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DcServices& services_;
    drive::LineSink& memo_;
    const TForm6& form6_;
    CoefficientForm form_;
};

} // namespace dcdrive::ui
