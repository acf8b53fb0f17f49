// hakoh: the statistics-by-variable table window.
#include "analysis/statistics/hakoh.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/statistics/VariableStatistics.h"
#include "components/grid/DataGrid.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <cmath>

namespace {

DataGrid::CellType cellType(zel::StatisticsCell cell) {
    switch (cell) {
    case zel::StatisticsCell::Text: return DataGrid::CellType::Text;
    case zel::StatisticsCell::WholeNumber: return DataGrid::CellType::Integer;
    case zel::StatisticsCell::Header:
    case zel::StatisticsCell::Numeric: break;
    }
    return DataGrid::CellType::Real;
}

} // namespace

ResultTableSpec statisticsTableSpec(zel::WindowId window, const QString& caption) {
    return {
        .window = window,
        .caption = caption,
        .gridName = QStringLiteral("Spread1"),
        .fileMenuName = QStringLiteral("hkfile"),
        .printItemName = QStringLiteral("hkprint"),
        .endItemName = QStringLiteral("hkend"),
        .editMenuName = QStringLiteral("hkedit"),
        .copyItemName = QStringLiteral("hkcopy"),
        .selectItemName = QStringLiteral("hksubete"),
        .layout = ResultTableLayout::Statistics,
    };
}

void applyStatisticsColumnFormats(DataGrid& grid) {
    const int col = grid.currentCol();
    const int row = grid.currentRow();
    const bool block = grid.blockMode();
    grid.setBlockMode(false);
    grid.setCurrentRow(-1);
    const auto& formats = zel::statisticsColumnFormats();
    // Column 0 holds the row headings, which the grid draws as headings anyway.
    for (int c = 1; c <= zel::kStatisticsColumns && c <= grid.columnCount(); ++c) {
        const zel::StatisticsColumnFormat& f = formats[static_cast<std::size_t>(c)];
        grid.setCurrentCol(c);
        grid.setCellType(cellType(f.cell));
        if (f.cell == zel::StatisticsCell::WholeNumber)
            grid.setIntegerRange(static_cast<int>(std::lround(f.min)), static_cast<int>(std::lround(f.max)));
        else if (f.cell == zel::StatisticsCell::Numeric)
            grid.setDecimalPlaces(f.decimals);
    }
    grid.setCurrentCol(col);
    grid.setCurrentRow(row);
    grid.setBlockMode(block);
}

hakoh::hakoh(MainContext& context, QWidget* parent)
    : ResultTableWindow(context, statisticsTableSpec(zel::WindowId::hakoh, captionText()), parent) {
    m_stats = zel::computeVariableStatistics(context.workspace().dataset);
    showTable(zel::variableStatisticsTable(m_stats));
    applyStatisticsColumnFormats(grid());
}

void hakoh::ok() {
    // The graph draws the figures the table shows.
    context().workspace().variableStatistics = m_stats;
    // A graph still open from before may show strata: it makes way for these.
    ZelWindow::closeWindows({zel::WindowId::hakohg});
    if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(zel::WindowId::hakohg)) open(context());
    close();
}

ZelWindow* openHakoh(MainContext& context) {
    return ZelWindow::open<hakoh>(context);
}
