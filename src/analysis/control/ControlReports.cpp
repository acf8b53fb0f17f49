// The report entries of the four control charts.
#include "analysis/control/ControlReports.h"

#include "analysis/CapabilityReport.h"
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlChartFill.h"
#include "analysis/control/DefectCount.h"
#include "analysis/control/LimitsFile.h"
#include "analysis/control/PChart.h"
#include "analysis/control/RunRules.h"
#include "analysis/control/XRs.h"
#include "analysis/control/XbarR.h"
#include "analysis/control/XbarRCapability.h"
#include "common/NumberText.h"
#include "dataset/Dataset.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace zel {

namespace {

// What tells the four analyses apart besides their entries.
struct ControlReport {
    AnalysisId analysis;
    // limits= (the lines of an earlier analysis) and upper=/lower= (entered
    // limits, the kind "規格の入力") are accepted.
    bool savedLimits;
    bool enteredLimits;
    // The table window (which also writes the limits file), if the analysis has one.
    std::optional<WindowId> tableWindow;
    // The computation on the list positions of the variables; it refuses data
    // it cannot compute.
    Result<ChartDataSet> (*compute)(const Dataset& data, const std::vector<int>& positions);
    ResultTable (*table)(const ChartDataSet& cds);
    // The inputs of the charts, in window order.
    std::vector<ControlChartInput> (*charts)(const ChartDataSet& cds);
};

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

constexpr std::array<ControlReport, 4> kReports{{
    {AnalysisId::XbarR, true, false, WindowId::XR1, xbarR, xbarRTable, xbarRCharts},
    {AnalysisId::XRs, true, false, WindowId::XRS1, xRs, xRsTable, xRsCharts},
    {AnalysisId::PPn, true, false, WindowId::p1, pPn, pPnTable, pPnCharts},
    {AnalysisId::DefectCount, false, true, std::nullopt, defects, nullptr, defectCharts},
}};

const ControlReport& reportOf(AnalysisId id) {
    return *std::ranges::find(kReports, id, &ControlReport::analysis);
}

bool isControlKind(const std::string& kind) {
    const auto& kinds = controlChartKinds();
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// "欠点数データ (defects)": the analyses that take entered limits.
std::string enteredLimitsAnalyses() {
    std::string names;
    for (const ControlReport& r : kReports) {
        if (!r.enteredLimits) continue;
        const AnalysisDescriptor& a = analysis(r.analysis);
        if (!names.empty()) names += "、";
        names += std::string(a.listName) + " (" + std::string(a.reportId) + ")";
    }
    return names;
}

// The --set values of a control chart, checked.
struct ControlSettings {
    std::string kind = kLineKind;
    int decimals = 2;
    std::optional<std::string> limitsPath;
    std::optional<EnteredLimits> entered;
    RuleSet rules = RuleSet::defaults();
};

Result<ControlSettings> readSettings(const ControlReport& report, const ReportSettings& settings) {
    const std::string name(analysis(report.analysis).listName);
    const auto refused = [](std::string message) { return Status::invalidArgument(std::move(message)); };
    ControlSettings s;
    bool kindGiven = false;
    std::optional<double> upper, lower;
    for (const auto& [key, value] : settings) {
        if (key == "kind") {
            s.kind = value;
            kindGiven = true;
        } else if (key == "decimals") {
            const auto d = strictInteger(value);
            if (!d || *d < 0 || *d > 100)
                return refused("decimals= には 0 から 100 の整数を指定してください: " + value);
            s.decimals = *d;
        } else if (key == "limits") {
            if (value.empty()) return refused("limits= には限界線ファイル (.QCK) を指定してください。");
            s.limitsPath = value;
        } else if (key == "rules") {
            const Result<RuleSet> rules = parseRuleSet(value);
            if (!rules) return refused("rules= の" + rules.status().message());
            s.rules = rules.value();
        } else if (key == "upper" || key == "lower") {
            const auto v = strictNumber(value);
            if (!v) return refused(key + "= には数値を指定してください: " + value);
            (key == "upper" ? upper : lower) = *v;
        }
    }
    if (s.limitsPath && !report.savedLimits)
        return refused(name + "には以前の管理線情報 (limits=) を使えません。");
    if ((upper || lower) && !report.enteredLimits)
        return refused("upper= と lower= は" + enteredLimitsAnalyses() + "の規格の入力にだけ使えます。");
    if ((upper || lower) && !kindGiven) s.kind = kEnteredLimitsKind;
    if (s.kind == kEnteredLimitsKind) {
        if (!report.enteredLimits) return refused("グラフの種類「" + s.kind + "」はこの解析にはありません。");
        if (!upper || !lower) return refused("規格の入力には upper= と lower= の両方を指定してください。");
        // The same check the chart window makes on the limits dialog's answer.
        if (*upper < *lower) return refused(kEnteredLimitsReversed);
        s.entered = EnteredLimits{*upper, *lower, false};
    } else if (!isControlKind(s.kind)) {
        return refused("不明なグラフの種類です: " + s.kind);
    } else if (upper || lower) {
        return refused("upper= と lower= はグラフの種類「規格の入力」で使います。");
    }
    return s;
}

// summary.txt: per chart the three constant lines it draws, "Graph1 CL 4" ...;
// with entered limits these are the midpoint, the upper and the lower limit.
std::string summaryText(const std::vector<ControlChartInput>& inputs) {
    static const char* const names[3] = {"CL", "UCL", "LCL"};
    std::string summary;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::array<double, 3> lines = drawnControlLines(inputs[i]);
        for (std::size_t c = 0; c < lines.size(); ++c)
            summary +=
                "Graph" + std::to_string(i + 1) + " " + names[c] + " " + generalNumberText(lines[c]) + "\n";
    }
    return summary;
}

// Process capability of the Xbar-R measurements (usl=, lsl=, target=), computed
// as the window computes it (lines loaded by limits= do not change it); no
// lines when no limit is given.
Result<std::string> xbarRCapabilityLines(const ChartDataSet& cds, const ReportSettings& settings) {
    const Result<SpecificationLimits> limits = readSpecificationSettings(settings);
    if (!limits) return limits.status();
    if (!limits.value().hasLimit()) return std::string();
    const Result<Capability> capability = xbarRCapability(cds, limits.value());
    if (!capability) return capability.status();
    return capabilitySummary(capability.value());
}

// The run rules on every chart, whatever its kind: <chart window>-rules.csv
// with one line per flagged point (chart, point, data label, rules "1+5"), and
// the summary lines "rule Graph1-17 1+5".
struct RuleReport {
    std::string csv;
    std::string summary;
};

RuleReport runRuleReport(const std::vector<ControlChartInput>& inputs, const RuleSet& rules) {
    const std::vector<FlaggedPoint> flagged = flaggedPoints(inputs, rules);
    ResultTable table;
    table.resize(static_cast<int>(flagged.size()), 3);
    table.columnHeadings = {"chart", "point", "data label", "rules"};
    RuleReport out;
    for (std::size_t r = 0; r < flagged.size(); ++r) {
        const FlaggedPoint& f = flagged[r];
        const std::string graph = "Graph" + std::to_string(f.chart);
        const std::string numbers = joinedRuleNumbers(f.rules);
        const int row = static_cast<int>(r) + 1;
        table.rowHeadings[static_cast<std::size_t>(row)] = graph;
        table.setNumber(row, 1, f.point);
        table.setText(row, 2, f.label);
        table.setText(row, 3, numbers);
        out.summary += "rule " + graph + "-" + std::to_string(f.point) + " " + numbers + "\n";
    }
    out.csv = resultTableCsv(table);
    return out;
}

template <AnalysisId id> Status checkSettings(const ReportSettings& settings) {
    const Result<ControlSettings> s = readSettings(reportOf(id), settings);
    if (!s) return s.status();
    if constexpr (id == AnalysisId::XbarR) {
        if (const Result<SpecificationLimits> limits = readSpecificationSettings(settings); !limits)
            return limits.status();
    }
    return Status::ok();
}

template <AnalysisId id> Result<ReportOutput> run(const ReportRequest& request) {
    const ControlReport& report = reportOf(id);
    const Result<ControlSettings> read = readSettings(report, request.settings);
    if (!read) return read.status();
    const ControlSettings& settings = read.value();

    // The computation of the dialog and the table window.
    Result<ChartDataSet> computed = report.compute(request.data, request.positions);
    if (!computed) return computed.status();
    ChartDataSet cds = std::move(computed.value());
    ReportOutput out;
    if (report.table) {
        out.tables.push_back({*report.tableWindow, report.table(cds), settings.decimals});
        // The table window writes this data's lines beside the dataset.
        out.besideDataset = [lines = cds.lines](const Dataset& ds) {
            const Status written = writeLimitsFile(ds.limitsPath, ds.basePath, lines);
            return written ? written : Status::ioError(ds.limitsPath + ": " + written.message());
        };
    }

    // Lines of an earlier analysis, as the saved-limits dialogs load and confirm them.
    if (settings.limitsPath) {
        const Result<ControlLines> loaded = readLimitsFile(*settings.limitsPath);
        if (!loaded) return Status::invalidArgument(*settings.limitsPath + ": " + loaded.status().message());
        cds.loadedLines = loaded.value();
        cds.lines = cds.loadedLines;
    }

    // The charts with the chosen kind, refused when lines loaded or entered
    // would draw beyond the numbers.
    std::vector<ControlChartInput> inputs = report.charts(cds);
    for (ControlChartInput& input : inputs) {
        input.kind = settings.kind;
        input.entered = settings.entered;
        if (const Status drawable = checkFiniteInput(input); !drawable) return drawable;
    }
    for (const ControlChartInput& input : inputs) {
        ChartModel& model = out.charts.emplace_back();
        model.redrawReset(model.viewAngles(), true);
        fillControlChart(model, input);
    }
    out.summary = summaryText(inputs);
    if constexpr (id == AnalysisId::XbarR) {
        const Result<std::string> capability = xbarRCapabilityLines(cds, request.settings);
        if (!capability) return capability.status();
        out.summary += capability.value();
    }
    RuleReport rules = runRuleReport(inputs, settings.rules);
    out.summary += rules.summary;
    out.files.emplace_back(std::string(window(reportEntry(id)->chartWindow).name) + "-rules.csv",
                           std::move(rules.csv));
    return out;
}

constexpr std::string_view kTableKeys[] = {"kind", "decimals", "limits", "rules"};
constexpr std::string_view kXbarRKeys[] = {"kind", "decimals", "limits", "rules", "usl", "lsl", "target"};
constexpr std::string_view kEnteredLimitsKeys[] = {"kind", "upper", "lower", "rules"};

template <AnalysisId id>
constexpr ReportEntry entry(WindowId chartWindow, int variables, std::string_view extraEntry,
                            std::span<const std::string_view> keys) {
    return {id, chartWindow, variables, extraEntry, false, keys, checkSettings<id>, run<id>};
}

constexpr std::array<ReportEntry, 4> kEntries{{
    entry<AnalysisId::XbarR>(WindowId::xrkanri, 0, {}, kXbarRKeys),
    entry<AnalysisId::XRs>(WindowId::xrskanri, 1, kXbarEntry, kTableKeys),
    entry<AnalysisId::PPn>(WindowId::pkanri, 2, {}, kTableKeys),
    entry<AnalysisId::DefectCount>(WindowId::kanri1, 1, {}, kEnteredLimitsKeys),
}};

} // namespace

std::span<const ReportEntry> controlReportEntries() {
    return kEntries;
}

std::optional<WindowId> controlTableWindow(AnalysisId id) {
    const auto it = std::ranges::find(kReports, id, &ControlReport::analysis);
    return it != kReports.end() ? it->tableWindow : std::nullopt;
}

} // namespace zel
