// kanri1: the window's names and captions, the input of its chart and the
// entered limits of "規格の入力".
#include "analysis/control/kanri1.h"

#include "analysis/control/ControlWindows.h"
#include "windowkit/MessageBox.h"

namespace {

// The window's names and captions.
const ControlChartDesign kDesign{
    .frame =
        {
            .window = zel::WindowId::kanri1,
            .caption = kanri1::captionText(),
            .chartCount = 1,
            .printColourName = QStringLiteral("fcolor"),
            .optionsName = QStringLiteral("ketop"),
            .titlesName = QStringLiteral("ketai"),
            .viewName = QStringLiteral("kasitens"),
            .gridName = QStringLiteral("kgriset"),
            .controlChart = true,
        },
    .enteredLimitsKind = true,
};

} // namespace

kanri1::kanri1(MainContext& context, QWidget* parent) : ControlChartWindow(context, kDesign, parent) {}

zel::ControlChartInput kanri1::inputFor(int) const {
    return zel::defectInput(chartData());
}

bool kanri1::prepareInput(int, zel::ControlChartInput& input) {
    if (input.kind != zel::kEnteredLimitsKind) return true;
    const zel::EnteredLimits limits = askEnteredLimits(context(), this);
    if (limits.cancelled) return false;
    if (limits.upper < limits.lower) {
        MessageBox::refusal(this, limitsOrderText(), limitsTitleText());
        return false;
    }
    input.entered = limits;
    return true;
}

ZelWindow* openKanri1(MainContext& context) {
    return ZelWindow::open<kanri1>(context);
}
