#include "acdrive/ui/tachochart.h"

#include "acdrive/ui/chartstyle.h"
#include "acdrive/ui/secondgraph.h"
#include "acdrive/ui/uitexts.h"

#include <QChart>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace acdrive::ui {
namespace {

// A filled diamond mark of the given colour, `size` pixels across.
QImage DiamondMark(const QColor& color, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color.darker(140), 1));
    painter.setBrush(color);
    const double h = size / 2.0;
    const QPointF diamond[] = { { h, 0.5 }, { size - 0.5, h }, { h, size - 0.5 }, { 0.5, h } };
    painter.drawPolygon(diamond, 4);
    return image;
}

// Sets the axis to span `low` .. `high` with a margin, rounded to readable ticks.
void FitAxis(QValueAxis* axis, double low, double high)
{
    if (low == high) {
        const double pad = low == 0.0 ? 1.0 : std::abs(low) * 0.1;
        low -= pad;
        high += pad;
    } else {
        const double pad = (high - low) * 0.05;
        low -= pad;
        high += pad;
    }
    axis->setRange(low, high);
    axis->applyNiceNumbers();
}

void FitAxisY(QValueAxis* axis, const QList<QPointF>& points)
{
    if (points.isEmpty()) {
        axis->setRange(0.0, 1.0);
        return;
    }
    const auto [lo, hi] = std::minmax_element(
        points.begin(), points.end(), [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    FitAxis(axis, lo->y(), hi->y());
}

} // namespace

TachogramChart::TachogramChart(Look look, QWidget* parent)
    : QChartView(parent)
    , speed_(new QLineSeries)
    , loadSteps_(new QLineSeries)
    , loadMarks_(new QScatterSeries)
    , timeAxis_(new QValueAxis)
    , speedAxis_(new QValueAxis)
    , loadAxis_(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    ApplyRussianNumbers(c);
    c->setTitle(QStringLiteral("<div align=\"center\">%1<br>%2</div>")
                    .arg(QString::fromUtf8(kChartTitleFirst), QString::fromUtf8(kChartTitleSecond)));
    QFont titleFont = c->titleFont();
    titleFont.setBold(true);
    c->setTitleFont(titleFont);
    c->setMargins(QMargins(4, 2, 4, 2));

    const bool editor = look == Look::Editor;
    speed_->setName(QString::fromUtf8(kSpeedAxis));
    speed_->setPen(QPen(Qt::blue, editor ? 3 : 2));
    if (editor) {
        speed_->setLightMarker(DiamondMark(Qt::blue, 9));
    } else {
        speed_->setPointsVisible(true);
        speed_->setMarkerSize(5);
    }
    loadSteps_->setName(QString::fromUtf8(kLoadSeriesInitial));
    loadSteps_->setPen(QPen(Qt::red, 2));
    loadMarks_->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
    loadMarks_->setMarkerSize(8);
    loadMarks_->setColor(Qt::red);
    loadMarks_->setBorderColor(QColor(Qt::red).darker(140));

    c->addSeries(speed_);
    c->addSeries(loadSteps_);
    c->addSeries(loadMarks_);

    timeAxis_->setTitleText(QString::fromUtf8(kTimeAxis));
    speedAxis_->setTitleText(QString::fromUtf8(kSpeedAxis));
    // The editor starts with the moments of inertia, the second graph selected at start.
    if (editor)
        loadAxis_->setTitleText(QString::fromUtf8(kSecondGraphs[1].axisTitle));
    if (editor) {
        speedAxis_->setTitleBrush(Qt::blue);
        loadAxis_->setTitleBrush(Qt::red);
    }
    for (QValueAxis* axis : { timeAxis_, speedAxis_, loadAxis_ }) {
        axis->setLabelFormat(QStringLiteral("%.6g"));
        axis->setRange(0.0, 1.0);
    }
    c->addAxis(timeAxis_, Qt::AlignBottom);
    c->addAxis(speedAxis_, Qt::AlignLeft);
    c->addAxis(loadAxis_, Qt::AlignRight);
    speed_->attachAxis(timeAxis_);
    speed_->attachAxis(speedAxis_);
    for (QXYSeries* series : { static_cast<QXYSeries*>(loadSteps_), static_cast<QXYSeries*>(loadMarks_) }) {
        series->attachAxis(timeAxis_);
        series->attachAxis(loadAxis_);
    }

    if (editor) {
        c->legend()->hide();
        SetGradientVisible(true);
    } else {
        c->legend()->setAlignment(Qt::AlignBottom);
        for (QLegendMarker* marker : c->legend()->markers(loadMarks_))
            marker->setVisible(false);
    }
}

void TachogramChart::ClearSpeed()
{
    speedPoints_.clear();
}

void TachogramChart::AddSpeedPoint(double time, double speed)
{
    speedPoints_.append(QPointF(time, speed));
}

void TachogramChart::ClearLoad()
{
    loadPoints_.clear();
}

void TachogramChart::AddLoadPoint(double time, double value)
{
    loadPoints_.append(QPointF(time, value));
}

void TachogramChart::SetLoadTitles(const QString& axisTitle, const QString& seriesTitle)
{
    loadAxis_->setTitleText(axisTitle);
    loadSteps_->setName(seriesTitle);
    loadMarks_->setName(seriesTitle);
}

void TachogramChart::Refresh()
{
    speed_->replace(speedPoints_);
    loadMarks_->replace(loadPoints_);
    QList<QPointF> steps;
    for (qsizetype k = 0; k < loadPoints_.size(); ++k) {
        if (k > 0)
            steps.append(QPointF(loadPoints_[k - 1].x(), loadPoints_[k].y()));
        steps.append(loadPoints_[k]);
    }
    loadSteps_->replace(steps);

    QList<QPointF> all = speedPoints_ + loadPoints_;
    if (all.isEmpty()) {
        timeAxis_->setRange(0.0, 1.0);
    } else {
        const auto [lo, hi] = std::minmax_element(
            all.begin(), all.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        if (lo->x() == hi->x())
            FitAxis(timeAxis_, lo->x(), hi->x());
        else
            timeAxis_->setRange(lo->x(), hi->x());
    }
    FitAxisY(speedAxis_, speedPoints_);
    FitAxisY(loadAxis_, loadPoints_);
}

void TachogramChart::SetGradientVisible(bool visible)
{
    gradientVisible_ = visible;
    if (visible) {
        QLinearGradient gradient(0.0, 0.0, 0.0, 1.0);
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setColorAt(0.0, QColor(255, 255, 128));
        gradient.setColorAt(1.0, QColor(128, 255, 255));
        chart()->setBackgroundBrush(gradient);
    } else {
        chart()->setBackgroundBrush(Qt::white);
    }
}

QList<QPointF> TachogramChart::speedPoints() const
{
    return speed_->points();
}

QList<QPointF> TachogramChart::loadPoints() const
{
    return loadMarks_->points();
}

QString TachogramChart::loadSeriesTitle() const
{
    return loadSteps_->name();
}

QString TachogramChart::rightAxisTitle() const
{
    return loadAxis_->titleText();
}

bool TachogramChart::SavePicture(const QString& fileName)
{
    return grab().toImage().convertToFormat(QImage::Format_RGB888).save(fileName, "BMP");
}

} // namespace acdrive::ui
