// kaibun: the analysis-of-variance table window of the scatter regression.
#include "analysis/scatter/kaibun.h"

#include "analysis/scatter/Regression.h"
#include "analysis/scatter/RegressionTables.h"
#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>
#include <functional>
#include <optional>

ResultTableSpec regressionTableSpec(zel::WindowId window, const QString& caption, int firstDecimalColumn,
                                    int lastDecimalColumn) {
    return {
        .window = window,
        .caption = caption,
        .gridName = QStringLiteral("Spread1"),
        .fileMenuName = QStringLiteral("dofile"),
        .printItemName = QStringLiteral("doprin"),
        .endItemName = QStringLiteral("doend"),
        .editMenuName = QStringLiteral("doedit"),
        .copyItemName = QStringLiteral("docopy"),
        .selectItemName = QStringLiteral("dosubete"),
        .layout = ResultTableLayout::Regression,
        .hasCancel = false,
        .decimalSpin = true,
        .decimalCaption = QStringLiteral("小数点以下表示桁数"),
        // More places than a number text holds would show nothing new.
        .decimalMaximum = zel::kMaxShownDecimals,
        .decimalFirstColumn = firstDecimalColumn,
        .decimalLastColumn = lastDecimalColumn,
    };
}

// The report writes the tables with the places the windows open with.
static_assert(ResultTableWindow::kInitialDecimals == zel::kRegressionTableDecimals);

namespace {

// The spin box formats S, V, F0 and S'; F0 is then made a text column, so that
// the number before its mark is never rounded again. f stays whole numbers.
const ResultTableSpec kDesign = regressionTableSpec(zel::WindowId::kaibun, kaibun::captionText(),
                                                    zel::anovacolumns::kS, zel::anovacolumns::kSPrime);

// Addresses every data row of one column and formats it.
void formatColumn(DataGrid& g, int column, const std::function<void()>& format) {
    g.setCurrentCol(column);
    g.setCurrentRow(-1);
    format();
}

// Twips left and right of the grid (its left edge at 100, its width SW - 200).
constexpr double kGridMargins = 200;

} // namespace

kaibun::kaibun(MainContext& context, QWidget* parent) : ResultTableWindow(context, kDesign, parent) {
    refill();
    // Wide enough at first for every column; a stored geometry overrides it.
    const DataGrid& g = grid();
    const int gridWidth = g.verticalHeader()->width() + g.horizontalHeader()->length() + 2 * g.frameWidth() +
                          g.verticalScrollBar()->sizeHint().width();
    resize(std::max(width(), gridWidth + zel::px(kGridMargins)), height());
}

void kaibun::refill() {
    const zel::RegressionResults& results = context().workspace().regression;
    const zel::ResultTable table = zel::anovaTable(results);
    showTable(table);

    DataGrid& g = grid();
    g.setBlockMode(false);
    // F0 and p are texts set right, as the numbers beside them.
    formatColumn(g, zel::anovacolumns::kF0, [&g] {
        g.setCellType(DataGrid::CellType::Text);
        g.setRightAligned(true);
    });
    formatColumn(g, zel::anovacolumns::kRho, [&g] {
        g.setCellType(DataGrid::CellType::Real);
        g.setDecimalPlaces(zel::kRhoDecimals);
    });
    // The table keeps the full p for the report; the grid shows it rounded,
    // a tiny one as below the last place.
    formatColumn(g, zel::anovacolumns::kP, [&g] {
        g.setCellType(DataGrid::CellType::Text);
        g.setRightAligned(true);
    });
    for (int r = 1; r <= table.rows; ++r)
        if (const std::optional<double>& p = table.at(r, zel::anovacolumns::kP).number)
            g.setText(zel::anovacolumns::kP, r, QString::fromStdString(zel::pValueText(*p)));

    // The heading row of every block: coloured across, no text.
    g.setBlockMode(true);
    for (int s = 1; s <= results.seriesCount; ++s) {
        const int row = zel::anovaHeadingRow(s);
        g.setCurrentCol(1);
        g.setCurrentRow(row);
        g.setBlockCol2(-1);
        g.setBlockRow2(row);
        g.setBackColor(headingRowColor());
    }
    g.setBlockMode(false);
    g.setCurrentCol(1);
    g.setCurrentRow(1);
}

ZelWindow* openKaibun(MainContext& context) {
    if (kaibun* open = ZelWindow::findOpen<kaibun>()) {
        open->refill();
        open->bringForward();
        return open;
    }
    return ZelWindow::open<kaibun>(context);
}
