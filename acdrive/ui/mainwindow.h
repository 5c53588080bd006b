#pragma once

#include "acdrive/calc/commands.h"
#include "acdrive/data/workingdata.h"

#include <QMainWindow>
#include <array>

class QAction;
class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QMenu;
class QRadioButton;
class QToolButton;

namespace drive {
class FileDialogs;
class Prompter;
} // namespace drive

namespace acdrive::ui {

enum class Glyph;
class ComparisonChart;
class HelpWindow;
class MotorWindow;
class TForm2;
class ResultsPane;
class SplashWindow;
class TachogramChart;

// The main window "Расчет энергетических показателей ЭП переменного тока": the menu, the tool
// bar, the four views (results pane, tachogram chart, comparison pie and bar charts) and the
// side panel choosing what the charts show. Its commands route to the core operations and
// refresh what they show; errors that end a command appear in the standard error box.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(AcWorkingData& working, QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows created after the main window that its commands show, and the prompt
    // service the calculations ask through.
    void SetCompanions(TForm2* editor, MotorWindow* motor, SplashWindow* splash, drive::Prompter* prompter,
        drive::FileDialogs* fileDialogs);

    // The tag (1 .. 7) of the checked "2-й график" button, 0 when none is checked.
    int WhatIsGraph() const;
    // The results-table row (1 .. 4) of the checked " Расчет " button.
    int ComparisonRow() const;

    // Recounts the points and redraws the tachogram chart from the working data set.
    void DrawMainChart();
    // Refills a comparison chart with the selected row of the methods' results.
    void FillComparisonChart(ComparisonChart& chart);
    // Sets the enabled state of the calculation items (UpdateCalculationMenu).
    void RefreshCalculationMenu();

    // Command handlers of the menu and the tool bar.
    void RunCommand(AcCommand command);
    void EnterSingleSpeedMotor(int rotorType);
    void EnterMultiSpeedMotor();
    void ShowEditor();
    void LoadDiagram();
    void LoadMotor();
    void SaveMotor();
    void ShowResults();
    void ClearResults();
    void ShowTachogram();
    void ShowPie();
    void ShowBar();
    void FillSample();
    void SaveChartPicture();
    void ChoosePrinter();
    void ShowHelp();
    void ShowAbout();

    ResultsPane& resultsPane() { return *resultsPane_; }
    // The chart views, made on first use.
    TachogramChart& tachogramChart();
    ComparisonChart& pieChart();
    ComparisonChart& barChart();
    QAction* calculationAction(AcCommand command) const;
    const CalculationMenu& calculationMenu() const { return menuState_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenu();
    void BuildToolBar(QWidget* toolBar);
    QWidget* BuildSidePanel();
    QToolButton* AddToolButton(
        QWidget* toolBar, int x, const char* hint, Glyph glyph, void (TForm1::*handler)());
    void PlaceExitButton();
    // Shows or hides each of the four views.
    void SetViews(bool pane, bool tachogram, bool pie, bool bar);
    void AddChartView(QWidget* chart, bool shown);

    AcWorkingData& data_;
    drive::Prompter* prompter_ = nullptr;
    drive::FileDialogs* fileDialogs_ = nullptr;
    TForm2* editor_ = nullptr;
    MotorWindow* motor_ = nullptr;
    SplashWindow* splash_ = nullptr;
    HelpWindow* help_ = nullptr;

    CalculationMenu menuState_ {};
    std::array<QAction*, kMethodCount + 1> calculationActions_ {};
    QMenu* dataMenu_ = nullptr;

    QWidget* toolBar_ = nullptr;
    QToolButton* exitButton_ = nullptr;
    QButtonGroup* viewButtons_ = nullptr;
    QToolButton* resultsButton_ = nullptr;

    QGridLayout* views_ = nullptr;
    ResultsPane* resultsPane_ = nullptr;
    TachogramChart* tachogramChart_ = nullptr;
    ComparisonChart* pieChart_ = nullptr;
    ComparisonChart* barChart_ = nullptr;
    bool tachogramShown_ = true; // at start under the results pane
    bool pieShown_ = false;
    bool barShown_ = false;

    std::array<QRadioButton*, 8> graphButtons_ {}; // 1 .. 7, by tag
    std::array<QRadioButton*, 5> comparisonButtons_ {}; // 1 .. 4, by results row
    bool placed_ = false;
};

} // namespace acdrive::ui
