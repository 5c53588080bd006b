#pragma once

#include "acdrive/data/workingdata.h"
#include "common/textgrid.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QGroupBox;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

namespace drive {
class FileDialogs;
class Prompter;
} // namespace drive

namespace acdrive::ui {

class TachogramChart;

// The tachogram editor "Тахограмма и нагрузочная диаграмма": the load diagram as a grid of
// text (mirroring the core's grid; data row 31 is kept but not shown), a chart of the speed and
// of the quantity chosen in the main window's "2-й график", the red error panel and six
// buttons. Each handler runs one core operation and refreshes what the window shows.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2(AcWorkingData& working, drive::FileDialogs& dialogs, drive::Prompter& prompter,
        QWidget* parent = nullptr);
    ~TForm2() override;

    // The main window's second-graph selection (WhatIsGraph: its checked tag, 0 for none).
    void SetGraphSelection(std::function<int()> whatIsGraph) { whatIsGraph_ = std::move(whatIsGraph); }

    // Shows the window without waiting; opening it refills the grid from the working data set
    // and reads it back (FormActivate).
    void Open();
    void FormActivate();

    // Redraws both series from the working data set.
    void DrawTacho();
    // Shows the red error panel.
    void ShowErrorPanel();

    // The core grid the window shows; after changing it, ShowGrid puts it on the screen.
    drive::TextGrid& grid() { return grid_; }
    void ShowGrid();

    TachogramChart& chart();
    // Makes the window's controls; they are made when the window is first opened.
    void EnsureBuilt();

    // Handlers, named as the window's controls.
    void StringGrid1Click();
    void CheckBox1Click();
    void Button1Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton6Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QToolButton* AddButton(
        int index, const char* name, const char* hint, int glyph, void (TForm2::*handler)());
    void CellEdited(QTableWidgetItem* item);
    // Runs a grid operation: an error it throws goes to the error box; a false verdict (a cell
    // that is not a number) shows the error panel.
    void RunGridOperation(const std::function<bool()>& operation);

    AcWorkingData& data_;
    drive::FileDialogs& dialogs_;
    drive::Prompter& prompter_;
    std::function<int()> whatIsGraph_;
    drive::TextGrid grid_;

    QWidget* chartArea_ = nullptr;
    TachogramChart* chart_ = nullptr;
    QCheckBox* gradient_ = nullptr;
    QGroupBox* errorPanel_ = nullptr;
    QTableWidget* table_ = nullptr;
    bool errorPanelPending_ = false;
    bool showingGrid_ = false;
    bool placed_ = false;
};

} // namespace acdrive::ui
