// pkanri: the window's names, captions and the input of its two charts.
#include "analysis/control/pkanri.h"

#include "analysis/control/ControlWindows.h"
#include "windowkit/MainContext.h"

namespace {

// The window's names and captions.
const ControlChartDesign kDesign{
    .frame =
        {
            .window = zel::WindowId::pkanri,
            .caption = pkanri::captionText(),
            .chartCount = 2,
            .printColourName = QStringLiteral("fcolor"),
            .optionsName = QStringLiteral("pkanop"),
            .titlesName = QStringLiteral("pktai"),
            .viewName = QStringLiteral("pksitens"),
            .gridName = QStringLiteral("pgriset"),
            .copyItemNames = {QStringLiteral("gp"), QStringLiteral("gn")},
            .monoCopyItemNames = {QStringLiteral("gpm"), QStringLiteral("gnm")},
            .copyItemCaptions = {pkanri::firstCopyText(), pkanri::secondCopyText()},
            .controlChart = true,
        },
    .redrawOnClick = false,
};

} // namespace

pkanri::pkanri(MainContext& context, QWidget* parent) : ControlChartWindow(context, kDesign, parent) {}

zel::ControlChartInput pkanri::inputFor(int chart) const {
    // The p chart draws the limits of each lot while the analysis list shows this
    // analysis, the constant ones otherwise.
    const bool pPnShowing = currentAnalysis(context()) == zel::AnalysisId::PPn;
    return zel::pPnInput(chartData(), chart, pPnShowing);
}

ZelWindow* openPkanri(MainContext& context) {
    return ZelWindow::open<pkanri>(context);
}
