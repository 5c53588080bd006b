#include "acdrive/ui/secondgraph.h"

#include "acdrive/ui/tachochart.h"

namespace acdrive::ui {

const std::array<SecondGraph, 7> kSecondGraphs = { {
    { 1, "момент", "Момент статическогс сопротивления, Н*м", "статический момент", "М стат",
        [](const AcWorkingData& d, int i) { return d.stretchLoads[i].staticTorque; } },
    { 2, "момент инерции", "Момент инерции, кг/м^2", "момент инерции", "Jмех",
        [](const AcWorkingData& d, int i) { return d.stretchLoads[i].inertia; } },
    { 3, "P1", "Активная мощность  потр. из сети, Вт", "Потребляемая мощность из сети", "P1",
        [](const AcWorkingData& d, int i) { return d.stretchActivePower[i]; } },
    { 4, "P2", "Мощность на валу, Вт", "P", "P",
        [](const AcWorkingData& d, int i) { return d.stretchShaftPower[i]; } },
    { 5, "Q1", "Реакт. мощн. потребляемая из сети, Дж", "Q1", "Q1",
        [](const AcWorkingData& d, int i) { return d.stretchReactivePower[i]; } },
    { 6, "КПД", "Коэффициент полезного действия", "КПД", "КПД",
        [](const AcWorkingData& d, int i) { return d.stretchEfficiency[i]; } },
    { 7, "dQ", "Потери энергии, Дж", "dQ", "dQ",
        [](const AcWorkingData& d, int i) { return d.stretchLosses[i]; } },
} };

const SecondGraph* FindSecondGraph(int tag)
{
    for (const SecondGraph& graph : kSecondGraphs) {
        if (graph.tag == tag)
            return &graph;
    }
    return nullptr;
}

void DrawSecondGraph(TachogramChart& chart, const AcWorkingData& data, int tag)
{
    chart.ClearLoad();
    chart.AddLoadPoint(data.tachoPoints[1].time, 0.0);
    if (const SecondGraph* graph = FindSecondGraph(tag)) {
        chart.SetLoadTitles(QString::fromUtf8(graph->axisTitle), QString::fromUtf8(graph->seriesTitle));
        for (int i = 1; i <= data.pointCount - 1 && i + 1 <= kArraySize; ++i)
            chart.AddLoadPoint(data.tachoPoints[i + 1].time, graph->value(data, i));
    }
    chart.Refresh();
}

void DrawSpeed(TachogramChart& chart, const AcWorkingData& data)
{
    chart.ClearSpeed();
    for (int k = 1; k <= data.pointCount && k <= kArraySize; ++k)
        chart.AddSpeedPoint(data.tachoPoints[k].time, data.tachoPoints[k].speed);
    chart.Refresh();
}

} // namespace acdrive::ui
