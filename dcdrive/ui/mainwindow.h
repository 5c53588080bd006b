#pragma once

#include "dcdrive/ui/forms.h"
#include "dcdrive/ui/memosink.h"
#include "dcdrive/ui/services.h"

#include <QMainWindow>
#include <memory>

class QPlainTextEdit;
class QStackedWidget;
class QToolButton;

namespace dcdrive::ui {

class TachogramChart;

// The main window "Программа расчета энергетических показателей электропривода": menu, the
// tool bar CoolBar1 and, on top of each other, the memo Memo1 with the reports and the load
// diagram chart Chart1.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `forms` are the windows the commands open.
    TForm1(DcServices& services, DcForms& forms, QWidget* parent = nullptr);
    ~TForm1() override;

    // The memo as the calculations' line sink.
    drive::LineSink& Memo() { return memoSink_; }

    // "Загрузить данные тахограммы": the file into the editor's grid, then the chart shows
    // its curve; the diagram is not accepted.
    void LoadDiagramIntoMain();
    // "Загрузить данные двигателя": the file into the motor window's edits.
    void LoadMotorData();
    // "Схема Г-Д" and "Схема ТП-Д": the entry checks, then the system's input window.
    void GeneratorMotorClick();
    void ConverterMotorClick();
    // "Тахограмма", "Двигатель" and "О программе": the window, modally.
    void ShowTachoEditorClick();
    void ShowMotorWindowClick();
    void AboutClick();
    // "Показать результаты расчета": the memo shows.
    void SpeedButton4Click();
    // "Очистить": the memo is emptied.
    void SpeedButton6Click();
    // "Показать график тахограммы и нагрузочной диаграммы ": the chart shows the curve.
    void SpeedButton7Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Shows the chart with SpeedButton7 down and draws the curve into it.
    void ShowChart();

    DcServices& services_;
    DcForms& forms_;
    QPlainTextEdit* memo1_;
    // Made when first shown.
    TachogramChart* chart1_ = nullptr;
    QStackedWidget* views_;
    QToolButton* speedButton4_;
    QToolButton* speedButton7_;
    MemoSink memoSink_;
    bool placed_ = false;
};

} // namespace dcdrive::ui
