#pragma once

#include "common/tahfile.h"
#include "common/textgrid.h"
#include "dcdrive/ui/services.h"

#include <QDialog>

class QTableWidget;

namespace dcdrive::ui {

class TachogramChart;

// The load diagram editor "Построение тахограммы и нагрузочной диаграммы": the chart Chart1,
// the grid StringGrid1 (the core's text grid, which the widget mirrors) and six buttons. Shown
// modally; closing hides it and the grid keeps its text.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(DcServices& services, QWidget* parent = nullptr);

    // The grid text, which the main window also loads into and draws from.
    const drive::TextGrid& Grid() const { return grid_; }

    // LoadTachoFile into the grid through the open dialog, without drawing; the widget shows
    // what the load left in the grid.
    drive::DiagramLoad LoadDiagramFile();

    TachogramChart& Chart() const { return *chart1_; }

    // "Загрузить данные диаграмм", then the curve is redrawn.
    void SpeedButton2Click();
    // "Сохранить данные диаграмм".
    void SpeedButton1Click();
    // "Сбросить данные тахограммы и нагрузочной диаграммы".
    void SpeedButton3Click();
    // "Построить графики".
    void SpeedButton4Click();
    // "Согхранить диаграммы": the chart as a ".bmp" picture.
    void SpeedButton5Click();
    // "Принять введёные значения": the editor closes when the points were stored.
    void SpeedButton6Click();
    // A cell was selected: the curve is redrawn.
    void StringGrid1SelectCell();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // DrawTachogram into Chart1.
    void Redraw();
    // The widget shows the grid text again.
    void RefreshGrid();
    // A cell typed in the widget goes to the grid text.
    void CellEdited(int row, int column);

    DcServices& services_;
    drive::TextGrid grid_;
    TachogramChart* chart1_;
    QTableWidget* stringGrid1_;
    bool refreshing_ = false;
};

} // namespace dcdrive::ui
