// xrskanri: the window's names, captions and the input of its two charts.
#include "analysis/control/xrskanri.h"

#include "analysis/control/ControlWindows.h"

namespace {

ControlChartDesign design() {
    ControlChartDesign d;
    GraphWindowSpec& s = d.frame;
    s.name = QStringLiteral("xrskanri");
    s.caption = xrskanri::captionText();
    s.chartCount = 2;
    s.printColourName = QStringLiteral("gcolor");
    s.optionsName = QStringLiteral("xrsop");
    s.titlesName = QStringLiteral("xrstai");
    s.viewName = QStringLiteral("xssitens");
    s.gridName = QStringLiteral("xsgriset");
    s.copyItemNames = {QStringLiteral("gx"), QStringLiteral("grs")};
    s.monoCopyItemNames = {QStringLiteral("gxm"), QStringLiteral("grsm")};
    s.copyItemCaptions = {xrskanri::firstCopyText(), xrskanri::secondCopyText()};
    s.controlChart = true;
    d.redrawOnClick = false;
    return d;
}

} // namespace

xrskanri::xrskanri(MainContext& context, QWidget* parent) : ControlChartWindow(context, design(), parent) {}

zel::ControlChartInput xrskanri::inputFor(int chart) const {
    return zel::xRsInput(chartData(), chart);
}

ZelWindow* openXrskanri(MainContext& context) {
    return ZelWindow::open<xrskanri>(context);
}
