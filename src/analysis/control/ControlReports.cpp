// The report entries of the four control charts.
#include "analysis/control/ControlReports.h"

#include "analysis/control/DefectCount.h"
#include "analysis/control/PChart.h"
#include "analysis/control/XRs.h"
#include "analysis/control/XbarR.h"

#include <array>

namespace zel {

namespace {

Result<ChartDataSet> xbarR(const Dataset& data, const std::vector<int>&) {
    return computeXbarR(data);
}

Result<ChartDataSet> xRs(const Dataset& data, const std::vector<int>& positions) {
    Result<ChartDataSet> values = collectXRs(data, positions.at(0));
    if (!values) return values;
    if (const Status computed = computeXRsLines(values.value()); !computed) return computed;
    return values;
}

Result<ChartDataSet> pPn(const Dataset& data, const std::vector<int>& positions) {
    Result<ChartDataSet> lots = collectPPn(data, positions.at(0), positions.at(1));
    if (!lots) return lots;
    if (const Status computed = computePPnLines(lots.value()); !computed) return computed;
    return lots;
}

Result<ChartDataSet> defects(const Dataset& data, const std::vector<int>& positions) {
    return computeDefectCount(data, positions.at(0));
}

std::vector<ControlChartInput> xbarRCharts(const ChartDataSet& cds) {
    return {xbarRInput(cds, 0), xbarRInput(cds, 1)};
}
std::vector<ControlChartInput> xRsCharts(const ChartDataSet& cds) {
    return {xRsInput(cds, 0), xRsInput(cds, 1)};
}
std::vector<ControlChartInput> pPnCharts(const ChartDataSet& cds) {
    // The plotted values of both charts, as the chart window shows them with its table.
    ChartDataSet plotted = cds;
    fillPPnPlotted(plotted);
    return {pPnInput(plotted, 0, true), pPnInput(plotted, 1, true)};
}
std::vector<ControlChartInput> defectCharts(const ChartDataSet& cds) {
    return {defectInput(cds)};
}

const std::array<ReportEntry, 4> kEntries{{
    {AnalysisId::XbarR, 0, false, true, false, WindowId::XR1, WindowId::xrkanri, xbarR, xbarRTable, xbarRCharts},
    {AnalysisId::XRs, 1, true, true, false, WindowId::XRS1, WindowId::xrskanri, xRs, xRsTable, xRsCharts},
    {AnalysisId::PPn, 2, false, true, false, WindowId::p1, WindowId::pkanri, pPn, pPnTable, pPnCharts},
    {AnalysisId::DefectCount, 1, false, false, true, std::nullopt, WindowId::kanri1, defects, nullptr,
     defectCharts},
}};

} // namespace

std::span<const ReportEntry> reportEntries() {
    return kEntries;
}

const ReportEntry* reportEntry(AnalysisId id) {
    for (const ReportEntry& e : kEntries)
        if (e.analysis == id) return &e;
    return nullptr;
}

} // namespace zel
