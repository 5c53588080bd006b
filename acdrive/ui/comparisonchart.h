#pragma once

#include "acdrive/data/workingdata.h"

#include <QChartView>
#include <QColor>
#include <QList>

class QBarCategoryAxis;
class QBarSeries;
class QPieSeries;
class QValueAxis;

namespace acdrive::ui {

// A chart comparing the methods' results stretch by stretch: a flat pie whose slices are
// marked with their percentages, or a bar chart. Each method has its colour, and the legend
// names the methods by their menu captions.
class ComparisonChart : public QChartView {
    Q_OBJECT
public:
    enum class Kind { Pie, Bar };

    ComparisonChart(Kind kind, QWidget* parent = nullptr);

    // Refills the chart with row `row` (1 efficiency, 2 power factor, 3 P1, 4 Q1) of the six
    // methods' results tables: for each stretch 1 .. pointCount - 1, one value per method 1 .. 6;
    // methods not yet calculated give zeros.
    void Fill(const AcWorkingData& working, int row);

    // What the chart holds, in the order filled (six per stretch, stretch after stretch), with
    // each value's colour. Pie slices hold the magnitudes of the values.
    QList<double> values() const;
    QList<QColor> colours() const;

private:
    void FillPie(const AcWorkingData& working, int row, int stretches);
    void FillBar(const AcWorkingData& working, int row, int stretches);

    Kind kind_;
    QPieSeries* pie_ = nullptr;
    QBarSeries* bars_ = nullptr;
    QBarCategoryAxis* stretchAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
};

} // namespace acdrive::ui
