#pragma once

#include "dcdrive/data/tachogrid.h"

#include <QChartView>
#include <QList>
#include <QPointF>

class QLineSeries;
class QValueAxis;

namespace dcdrive::ui {

// The load diagram chart ("Chart1" of the main window and of the editor): the speed line
// Series1 (red) and the green Series2, which is never filled, on a white back wall without a
// legend, numbers written with the comma.
class TachogramChart : public QChartView {
    Q_OBJECT
public:
    // How the speed axis follows the data.
    enum class SpeedAxis {
        Fixed, // the range DrawTachogram aims at; 0 .. 301 before the first drawing
        Automatic, // the range of the speeds shown
    };

    TachogramChart(SpeedAxis speedAxis, QWidget* parent = nullptr);

    // Shows the points DrawTachogram gave, in place of what the speed series held.
    void Show(const TachoChart& chart);

    // Clears both series.
    void ClearSeries();

    // Writes the chart, rendered on white at its size, as a Windows bitmap; an existing file is
    // replaced. Throws drive::FileIoError when the file cannot be written.
    void SavePicture(const std::string& fileName);

    // What the chart shows: the speed series' points and the speed axis range (1/s).
    QList<QPointF> SpeedPoints() const;
    double SpeedAxisMinimum() const;
    double SpeedAxisMaximum() const;

private:
    SpeedAxis speedAxis_;
    QLineSeries* series1_;
    QLineSeries* series2_;
    QValueAxis* timeAxis_;
    QValueAxis* speedValues_;
};

} // namespace dcdrive::ui
