// What the headless report asks of an analysis: one entry per analysis that
// can be reported. The entry takes the dataset, the variables of its dialog
// and the --set values, and gives back its tables, its charts filled with the
// data, its summary and any file it writes beside the dataset. The report
// command itself knows no analysis: it checks the launch, resolves the
// variables, puts the graph settings and titles onto the charts and writes the
// files. An analysis that can be reported adds its entries to reportEntries().
#pragma once

#include "common/Analyses.h"
#include "common/ResultTable.h"
#include "common/Status.h"
#include "components/chart/ChartModel.h"
#include "presentation/TitleTable.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zel {

class Dataset;

// The --set values in the order given: key, value.
using ReportSettings = std::vector<std::pair<std::string, std::string>>;

struct ReportRequest {
    const Dataset& data;
    // The list positions of the variables, as the analysis's dialog would give them.
    std::vector<int> positions;
    const ReportSettings& settings;
};

// A table as its window shows it: <window>.csv and <window>.txt.
struct ReportTable {
    using ShownNumber = std::function<std::optional<std::string>(int column, double value)>;
    ReportTable(WindowId w, ResultTable t, int places = 2, ShownNumber shown = {})
        : window(w), table(std::move(t)), decimals(places), shownNumber(std::move(shown)) {}

    WindowId window;
    ResultTable table;
    int decimals = 2; // the places of the numbers the window shows
    // The text a number of a column shows in <window>.txt where the window
    // shows it otherwise than at `decimals` places (whole numbers, a column of
    // fixed places, a p-value); empty for the usual places. The CSV keeps the
    // full value either way.
    ShownNumber shownNumber;
};

struct ReportOutput {
    std::vector<ReportTable> tables;
    // The charts of the entry's chart window in window order, filled with the
    // data only: the report puts on the graph settings and the titles.
    std::vector<ChartModel> charts;
    // What the analysis's title rule names (the histogram's series name under the chart).
    TitleContext titleContext;
    // summary.txt.
    std::string summary;
    // Further files of the output folder, written with the others: name, content
    // (the flagged points of the control charts' run rules).
    std::vector<std::pair<std::string, std::string>> files;
    // A file the analysis writes beside the dataset once every other file is
    // ready (the limits file of the control-chart tables); empty for none. Its
    // failure ends the report with nothing moved into place.
    std::function<Status(const Dataset&)> besideDataset;
};

struct ReportEntry {
    AnalysisId analysis;
    // Its charts are written as <chartWindow>-Graph<n>.png, .svg and .pdf.
    WindowId chartWindow;
    // The --var values the analysis's dialog takes (0: it uses every variable).
    int variables;
    // The entry after the variables in a single list (list position K + 1) that
    // a lone --var may name: "Xbar", "全データ"; empty for none.
    std::string_view extraEntry;
    // Whether the number of --var given picks the dialog and so the series count
    // (one to `variables`), as the histogram's three dialogs do. Otherwise the
    // dialog always has `variables` lists, and those not given keep their
    // preselection.
    bool seriesAsGiven;
    // The --set keys it takes, in the order --report=list names them.
    std::span<const std::string_view> settingKeys;
    // Checks the --set values before the data are read any further.
    Status (*checkSettings)(const ReportSettings& settings);
    // The computation: tables, charts and summary. A refusal writes nothing.
    Result<ReportOutput> (*run)(const ReportRequest& request);
};

// Adds the entry's next chart, reset as a window's redraw resets it, and fills
// it with the data through `fill`. A fill that refuses the data refuses the
// report: "グラフを作成できません。".
Status addReportChart(ReportOutput& out, const std::function<bool(ChartModel&)>& fill);

// Every entry, in the order of --report=list.
std::span<const ReportEntry> reportEntries();
// The entry of an analysis, or null when it cannot be reported.
const ReportEntry* reportEntry(AnalysisId id);
// Whether any entry takes the --set key.
bool isReportSettingKey(std::string_view key);

} // namespace zel
