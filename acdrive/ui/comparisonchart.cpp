#include "acdrive/ui/comparisonchart.h"

#include "acdrive/calc/commands.h"
#include "acdrive/ui/chartstyle.h"
#include "acdrive/ui/uitexts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace acdrive::ui {
namespace {

QString MethodCaption(int method)
{
    return QString::fromUtf8(CommandCaption(static_cast<AcCommand>(method)));
}

// A share as a pie mark: at most two decimals, the comma, the percent sign ("12,5 %").
QString PercentText(double share)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QString text = russian.toString(share * 100.0, 'f', 2);
    const QChar comma = russian.decimalPoint().at(0);
    while (text.contains(comma) && (text.endsWith(u'0') || text.endsWith(comma)))
        text.chop(1);
    return text + QStringLiteral(" %");
}

} // namespace

ComparisonChart::ComparisonChart(Kind kind, QWidget* parent)
    : QChartView(parent)
    , kind_(kind)
{
    setRenderHint(QPainter::Antialiasing);
    setInteractive(false);
    QChart* c = chart();
    ApplyRussianNumbers(c);
    c->setMargins(QMargins(4, 4, 4, 4));
    c->legend()->setAlignment(Qt::AlignBottom);
    if (kind == Kind::Pie) {
        pie_ = new QPieSeries;
        pie_->setPieSize(0.62);
        c->addSeries(pie_);
    } else {
        c->setTitle(QString::fromUtf8(kBarChartTitle));
        QFont titleFont = c->titleFont();
        titleFont.setBold(true);
        c->setTitleFont(titleFont);
        bars_ = new QBarSeries;
        c->addSeries(bars_);
        stretchAxis_ = new QBarCategoryAxis;
        valueAxis_ = new QValueAxis;
        valueAxis_->setLabelFormat(QStringLiteral("%.6g"));
        c->addAxis(stretchAxis_, Qt::AlignBottom);
        c->addAxis(valueAxis_, Qt::AlignLeft);
        bars_->attachAxis(stretchAxis_);
        bars_->attachAxis(valueAxis_);
    }
}

void ComparisonChart::Fill(const AcWorkingData& working, int row)
{
    const int stretches = std::clamp(static_cast<int>(working.pointCount) - 1, 0, kResultColumns);
    if (kind_ == Kind::Pie)
        FillPie(working, row, stretches);
    else
        FillBar(working, row, stretches);
}

void ComparisonChart::FillPie(const AcWorkingData& working, int row, int stretches)
{
    pie_->clear();
    for (int i = 1; i <= stretches; ++i) {
        for (int m = 1; m <= kMethodCount; ++m) {
            QPieSlice* slice = pie_->append(QString(), std::abs(working.methodResults[m].rows[row][i]));
            slice->setColor(MethodColour(m));
            slice->setBorderColor(Qt::black);
            slice->setBorderWidth(1);
        }
    }
    const QList<QPieSlice*> slices = pie_->slices();
    const double sum = pie_->sum();
    for (QPieSlice* slice : slices) {
        const bool shown = slice->value() > 0.0 && sum > 0.0;
        if (shown)
            slice->setLabel(PercentText(slice->value() / sum));
        slice->setLabelVisible(shown);
    }
    // The legend is the key of the method colours: one entry per method, from the first stretch.
    const QList<QLegendMarker*> markers = chart()->legend()->markers(pie_);
    for (qsizetype k = 0; k < markers.size(); ++k) {
        markers[k]->setVisible(k < kMethodCount);
        if (k < kMethodCount)
            markers[k]->setLabel(MethodCaption(static_cast<int>(k) + 1));
    }
}

void ComparisonChart::FillBar(const AcWorkingData& working, int row, int stretches)
{
    bars_->clear();
    QStringList categories;
    for (int i = 1; i <= stretches; ++i)
        categories.append(QString::number(i));
    stretchAxis_->setCategories(categories);
    double low = 0.0;
    double high = 0.0;
    for (int m = 1; m <= kMethodCount; ++m) {
        auto* set = new QBarSet(MethodCaption(m));
        set->setColor(MethodColour(m));
        set->setBorderColor(Qt::black);
        for (int i = 1; i <= stretches; ++i) {
            const double v = working.methodResults[m].rows[row][i];
            set->append(v);
            low = std::min(low, v);
            high = std::max(high, v);
        }
        bars_->append(set);
    }
    if (low == high)
        high = 1.0;
    valueAxis_->setRange(low, high + (high - low) * 0.05);
    valueAxis_->applyNiceNumbers();
}

QList<double> ComparisonChart::values() const
{
    QList<double> result;
    if (kind_ == Kind::Pie) {
        for (const QPieSlice* slice : pie_->slices())
            result.append(slice->value());
        return result;
    }
    const QList<QBarSet*> sets = bars_->barSets();
    const qsizetype stretches = sets.isEmpty() ? 0 : sets.first()->count();
    for (qsizetype i = 0; i < stretches; ++i) {
        for (const QBarSet* set : sets)
            result.append(set->at(static_cast<int>(i)));
    }
    return result;
}

QList<QColor> ComparisonChart::colours() const
{
    QList<QColor> result;
    if (kind_ == Kind::Pie) {
        for (QPieSlice* slice : pie_->slices())
            result.append(slice->color());
        return result;
    }
    const QList<QBarSet*> sets = bars_->barSets();
    const qsizetype stretches = sets.isEmpty() ? 0 : sets.first()->count();
    for (qsizetype i = 0; i < stretches; ++i) {
        for (QBarSet* set : sets)
            result.append(set->color());
    }
    return result;
}

} // namespace acdrive::ui
