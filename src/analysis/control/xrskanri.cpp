// xrskanri: the window's names, captions and the input of its two charts.
#include "analysis/control/xrskanri.h"

#include "analysis/control/ControlWindows.h"

namespace {

// The window's names and captions.
const ControlChartDesign kDesign{
    .frame =
        {
            .window = zel::WindowId::xrskanri,
            .caption = xrskanri::captionText(),
            .chartCount = 2,
            .printColourName = QStringLiteral("gcolor"),
            .optionsName = QStringLiteral("xrsop"),
            .titlesName = QStringLiteral("xrstai"),
            .viewName = QStringLiteral("xssitens"),
            .gridName = QStringLiteral("xsgriset"),
            .copyItemNames = {QStringLiteral("gx"), QStringLiteral("grs")},
            .monoCopyItemNames = {QStringLiteral("gxm"), QStringLiteral("grsm")},
            .copyItemCaptions = {xrskanri::firstCopyText(), xrskanri::secondCopyText()},
            .controlChart = true,
        },
    .redrawOnClick = false,
};

} // namespace

xrskanri::xrskanri(MainContext& context, QWidget* parent) : ControlChartWindow(context, kDesign, parent) {}

zel::ControlChartInput xrskanri::inputFor(int chart) const {
    return zel::xRsInput(chartData(), chart);
}

ZelWindow* openXrskanri(MainContext& context) {
    return ZelWindow::open<xrskanri>(context);
}
