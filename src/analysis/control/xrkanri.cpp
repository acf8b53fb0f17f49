// xrkanri: the window's names, captions and the input of its two charts.
#include "analysis/control/xrkanri.h"

#include "analysis/control/ControlWindows.h"

namespace {

// The window's names and captions.
const ControlChartDesign kDesign{
    .frame =
        {
            .window = zel::WindowId::xrkanri,
            .caption = xrkanri::captionText(),
            .chartCount = 2,
            .printColourName = QStringLiteral("gcolor"),
            .optionsName = QStringLiteral("xrbop"),
            .titlesName = QStringLiteral("xrbti"),
            .viewName = QStringLiteral("xrsitens"),
            .gridName = QStringLiteral("xrgriset"),
            .copyItemNames = {QStringLiteral("gx"), QStringLiteral("gr")},
            .monoCopyItemNames = {QStringLiteral("gxm"), QStringLiteral("grm")},
            .copyItemCaptions = {xrkanri::firstCopyText(), xrkanri::secondCopyText()},
            .controlChart = true,
        },
    .redrawOnClick = true,
};

} // namespace

xrkanri::xrkanri(MainContext& context, QWidget* parent) : ControlChartWindow(context, kDesign, parent) {}

zel::ControlChartInput xrkanri::inputFor(int chart) const {
    return zel::xbarRInput(chartData(), chart);
}

ZelWindow* openXrkanri(MainContext& context) {
    return ZelWindow::open<xrkanri>(context);
}
