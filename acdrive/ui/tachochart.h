#pragma once

#include <QChartView>
#include <QList>
#include <QPointF>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace acdrive::ui {

// The tachogram and load diagram chart of the main window and of the tachogram editor: the
// speed as a line with point marks on the left axis, and a second quantity per stretch as red
// stairs with diamond marks on the right axis (each value held over the stretch that ends at
// its point). Points are collected by the Add functions and shown by Refresh.
class TachogramChart : public QChartView {
    Q_OBJECT
public:
    enum class Look {
        MainWindow, // a legend, circle marks on the speed line, white background
        Editor, // no legend, a heavier speed line with diamond marks, gradient background
    };

    explicit TachogramChart(Look look, QWidget* parent = nullptr);

    void ClearSpeed();
    void AddSpeedPoint(double time, double speed);
    void ClearLoad();
    void AddLoadPoint(double time, double value);
    // Titles of the right axis and of the load series.
    void SetLoadTitles(const QString& axisTitle, const QString& seriesTitle);
    // Shows the collected points and fits the axes to them.
    void Refresh();

    // The gradient background (light yellow to light cyan) or plain white.
    void SetGradientVisible(bool visible);
    bool gradientVisible() const { return gradientVisible_; }

    // What the chart shows: the points as added, not the drawn stairs.
    QList<QPointF> speedPoints() const;
    QList<QPointF> loadPoints() const;
    QString loadSeriesTitle() const;
    QString rightAxisTitle() const;

    // Writes the chart as drawn on the screen as a Windows bitmap; false when it cannot.
    bool SavePicture(const QString& fileName);

private:
    QLineSeries* speed_;
    QLineSeries* loadSteps_;
    QScatterSeries* loadMarks_;
    QValueAxis* timeAxis_;
    QValueAxis* speedAxis_;
    QValueAxis* loadAxis_;
    QList<QPointF> speedPoints_;
    QList<QPointF> loadPoints_;
    bool gradientVisible_ = false;
};

} // namespace acdrive::ui
