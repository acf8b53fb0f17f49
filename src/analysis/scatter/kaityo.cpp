// kaityo: the regression-line table window of the scatter regression.
#include "analysis/scatter/kaityo.h"

#include "analysis/scatter/Regression.h"
#include "analysis/scatter/RegressionTables.h"
#include "analysis/scatter/kaibun.h"
#include "components/grid/DataGrid.h"
#include "components/grid/GridModel.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QEvent>
#include <QSpinBox>

namespace {

// Every data column follows the spin box; the equation row is made text.
const ResultTableSpec kDesign = regressionTableSpec(zel::WindowId::kaityo, kaityo::captionText(), 0, 0);

} // namespace

kaityo::kaityo(MainContext& context, QWidget* parent) : ResultTableWindow(context, kDesign, parent) {
    // After the frame has given rows 1..3 the new places.
    connect(decimalSpin(), &QSpinBox::valueChanged, this, [this] { rewriteEquations(); });
    refill();
}

void kaityo::refill() {
    showTable(zel::regressionLineTable(context().workspace().regression, decimals()));
    DataGrid& g = grid();
    g.setBlockMode(false);
    g.setCurrentCol(-1);
    g.setCurrentRow(zel::linerows::kEquation);
    g.setCellType(DataGrid::CellType::Text);
    g.setCurrentCol(1);
    g.setCurrentRow(1);
    rewriteEquations();
}

void kaityo::rewriteEquations() {
    DataGrid& g = grid();
    const GridModel& model = *g.gridModel();
    for (int c = 1; c <= g.columnCount(); ++c) {
        const std::string a = model.displayText(c, zel::linerows::kA).toStdString();
        const std::string b = model.displayText(c, zel::linerows::kB).toStdString();
        g.setText(c, zel::linerows::kEquation, QString::fromStdString(zel::regressionEquation(a, b)));
    }
}

void kaityo::changeEvent(QEvent* e) {
    ResultTableWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) rewriteEquations();
}

ZelWindow* openKaityo(MainContext& context) {
    if (kaityo* open = ZelWindow::findOpen<kaityo>()) {
        open->refill();
        open->bringForward();
        return open;
    }
    return ZelWindow::open<kaityo>(context);
}
