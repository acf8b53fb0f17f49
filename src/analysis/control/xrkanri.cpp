// xrkanri: the window's names, captions and the input of its two charts.
#include "analysis/control/xrkanri.h"

#include "analysis/control/ControlWindows.h"

namespace {

ControlChartDesign design() {
    ControlChartDesign d;
    GraphWindowSpec& s = d.frame;
    s.name = QStringLiteral("xrkanri");
    s.caption = xrkanri::captionText();
    s.chartCount = 2;
    s.printColourName = QStringLiteral("gcolor");
    s.optionsName = QStringLiteral("xrbop");
    s.titlesName = QStringLiteral("xrbti");
    s.viewName = QStringLiteral("xrsitens");
    s.gridName = QStringLiteral("xrgriset");
    s.copyItemNames = {QStringLiteral("gx"), QStringLiteral("gr")};
    s.monoCopyItemNames = {QStringLiteral("gxm"), QStringLiteral("grm")};
    s.copyItemCaptions = {xrkanri::firstCopyText(), xrkanri::secondCopyText()};
    s.controlChart = true;
    d.redrawOnClick = true;
    return d;
}

} // namespace

xrkanri::xrkanri(MainContext& context, QWidget* parent) : ControlChartWindow(context, design(), parent) {}

zel::ControlChartInput xrkanri::inputFor(int chart) const {
    return zel::xbarRInput(chartData(), chart);
}

ZelWindow* openXrkanri(MainContext& context) {
    return ZelWindow::open<xrkanri>(context);
}
