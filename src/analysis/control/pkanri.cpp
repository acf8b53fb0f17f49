// pkanri: the window's names, captions and the input of its two charts.
#include "analysis/control/pkanri.h"

#include "analysis/control/ControlWindows.h"
#include "windowkit/MainContext.h"

namespace {

ControlChartDesign design() {
    ControlChartDesign d;
    GraphWindowSpec& s = d.frame;
    s.name = QStringLiteral("pkanri");
    s.caption = pkanri::captionText();
    s.chartCount = 2;
    s.printColourName = QStringLiteral("fcolor");
    s.optionsName = QStringLiteral("pkanop");
    s.titlesName = QStringLiteral("pktai");
    s.viewName = QStringLiteral("pksitens");
    s.gridName = QStringLiteral("pgriset");
    s.copyItemNames = {QStringLiteral("gp"), QStringLiteral("gn")};
    s.monoCopyItemNames = {QStringLiteral("gpm"), QStringLiteral("gnm")};
    s.copyItemCaptions = {pkanri::firstCopyText(), pkanri::secondCopyText()};
    s.controlChart = true;
    d.redrawOnClick = false;
    return d;
}

} // namespace

pkanri::pkanri(MainContext& context, QWidget* parent) : ControlChartWindow(context, design(), parent) {}

zel::ControlChartInput pkanri::inputFor(int chart) const {
    // The p chart draws the limits of each lot while the analysis list shows this
    // analysis, the constant ones otherwise.
    const bool pPnShowing = currentAnalysis(context()) == zel::AnalysisId::PPn;
    return zel::pPnInput(chartData(), chart, pPnShowing);
}

ZelWindow* openPkanri(MainContext& context) {
    return ZelWindow::open<pkanri>(context);
}
