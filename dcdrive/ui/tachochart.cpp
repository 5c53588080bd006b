#include "dcdrive/ui/tachochart.h"

#include "common/filebytes.h"
#include "dcdrive/ui/uitexts.h"

#include <QBuffer>
#include <QChart>
#include <QImage>
#include <QImageWriter>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace dcdrive::ui {
namespace {

// A round step that gives about five labels over `span`.
double LabelStep(double span)
{
    if (!(span > 0))
        return 1;
    const double raw = span / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : { 1.0, 2.0, 2.5, 5.0 }) {
        if (factor * magnitude >= raw)
            return factor * magnitude;
    }
    return 10 * magnitude;
}

// Sets an axis to a range with labels at round values (a range of no width is widened by 1 on
// either side, as the speed axis of a single-point diagram is).
void SetRange(QValueAxis* axis, double minimum, double maximum, bool roundBounds)
{
    if (minimum == maximum) {
        minimum -= 1;
        maximum += 1;
    }
    axis->setRange(minimum, maximum);
    if (roundBounds)
        axis->applyNiceNumbers();
    const double step = LabelStep(axis->max() - axis->min());
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    int decimals = 0;
    while (decimals < 6
        && std::abs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

} // namespace

TachogramChart::TachogramChart(SpeedAxis speedAxis, QWidget* parent)
    : QChartView(parent)
    , speedAxis_(speedAxis)
    , series1_(new QLineSeries)
    , series2_(new QLineSeries)
    , timeAxis_(new QValueAxis)
    , speedValues_(new QValueAxis)
{
    setObjectName(QStringLiteral("Chart1"));
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(Qt::white);
    QChart* c = chart();
    c->setTitle(QString::fromUtf8(kChartTitle));
    c->setBackgroundBrush(Qt::white);
    c->setBackgroundRoundness(0);
    c->setMargins(QMargins(4, 4, 8, 4));
    c->setPlotAreaBackgroundBrush(Qt::white);
    c->setPlotAreaBackgroundVisible(true);
    c->legend()->hide();
    c->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    c->setLocalizeNumbers(true);

    series1_->setObjectName(QStringLiteral("Series1"));
    series1_->setPen(QPen(QColor(0xFF, 0, 0), 2));
    series1_->setPointsVisible(false);
    series2_->setObjectName(QStringLiteral("Series2"));
    series2_->setPen(QPen(QColor(0, 0xFF, 0), 2));
    c->addSeries(series1_);
    c->addSeries(series2_);
    c->addAxis(timeAxis_, Qt::AlignBottom);
    c->addAxis(speedValues_, Qt::AlignLeft);
    for (QLineSeries* series : { series1_, series2_ }) {
        series->attachAxis(timeAxis_);
        series->attachAxis(speedValues_);
    }
    SetRange(timeAxis_, 0, 10, false);
    if (speedAxis_ == SpeedAxis::Fixed)
        SetRange(speedValues_, 0, 301, false);
    else
        SetRange(speedValues_, 0, 100, false);
}

void TachogramChart::Show(const TachoChart& drawn)
{
    // The editor's speed axis takes the range DrawTachogram aims at, [Wmin - 1, Wmax + 1], with
    // both bounds set at once: a new maximum below the old minimum is never refused, so every
    // diagram whose times pass is drawn.
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(drawn.points.size()));
    for (const TachoChartPoint& point : drawn.points)
        points.append(QPointF(point.time, point.speed));
    series1_->replace(points);

    double firstTime = 0;
    double lastTime = 0;
    double lowestSpeed = 0;
    double highestSpeed = 0;
    if (!points.isEmpty()) {
        firstTime = lastTime = points.constFirst().x();
        lowestSpeed = highestSpeed = points.constFirst().y();
        for (const QPointF& point : points) {
            firstTime = std::min(firstTime, point.x());
            lastTime = std::max(lastTime, point.x());
            lowestSpeed = std::min(lowestSpeed, point.y());
            highestSpeed = std::max(highestSpeed, point.y());
        }
    }
    SetRange(timeAxis_, firstTime, lastTime, true);
    if (speedAxis_ == SpeedAxis::Fixed)
        SetRange(speedValues_, drawn.axisMinimum, drawn.axisMaximum, false);
    else
        SetRange(speedValues_, lowestSpeed, highestSpeed, true);
}

void TachogramChart::ClearSeries()
{
    series1_->clear();
    series2_->clear();
}

void TachogramChart::SavePicture(const std::string& fileName)
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    render(&painter);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(image))
        throw drive::FileIoError(
            "Cannot create file \"" + fileName + "\". " + writer.errorString().toStdString());
    drive::WriteFileAtomically(fileName, bytes.toStdString());
}

QList<QPointF> TachogramChart::SpeedPoints() const
{
    return series1_->points();
}

double TachogramChart::SpeedAxisMinimum() const
{
    return speedValues_->min();
}

double TachogramChart::SpeedAxisMaximum() const
{
    return speedValues_->max();
}

} // namespace dcdrive::ui
