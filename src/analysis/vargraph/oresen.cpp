// The variable graph window: its kind list, the statistics-line and
// classification items, and the fill of its chart from the Analysis set.
#include "analysis/vargraph/oresen.h"

#include "analysis/control/ControlChartFill.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/pareto/Pareto.h"
#include "analysis/vargraph/okikaku.h"
#include "analysis/vargraph/toukei.h"
#include "components/chart/ChartView.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

namespace {

const GraphWindowSpec kDesign{
    .window = zel::WindowId::oresen,
    .caption = oresen::captionText(),
    .chartCount = 1,
    .optionsName = QStringLiteral("oreop"),
    .titlesName = QStringLiteral("titles"),
    .viewName = QStringLiteral("orsitens"),
    .gridName = QStringLiteral("ogriset"),
    .alsoCloses = {zel::WindowId::dobun, zel::WindowId::hensi1, zel::WindowId::hensi2, zel::WindowId::hensi3},
};

const SeriesGraphNames kNames{
    .scale = QStringLiteral("memoris"),
    .legendText = oresen::legendMenuText(),
    .legend = QStringLiteral("OHANREI"),
    .show = QStringLiteral("OHSURU"),
    .hide = QStringLiteral("OHSINAI"),
    .separation = QStringLiteral("oretui"),
    .separate = QStringLiteral("obunari"),
    .join = QStringLiteral("obunnasi"),
    .separationBeforeGrid = false,
};

} // namespace

oresen::oresen(MainContext& context, QWidget* parent) : SeriesGraphWindow(context, kDesign, kNames, parent) {
    zel::Workspace& ws = context.workspace();
    // Opening: no sample is classified.
    ws.classFlags.assign(static_cast<std::size_t>(std::max(ws.analysisSet.n, 0)), zel::classflags::kNone);
    buildMenus();
    const bool pareto = analysis() == zel::AnalysisId::Pareto;
    startPanel(zel::variableGraphKindList(ws.analysisSet.seriesCount, pareto),
               zel::initialVariableGraphKind(pareto));
}

oresen::~oresen() = default;

void oresen::buildMenus() {
    QMenu* options = optionsMenu();
    // The statistics lines before the grid lines; after them the separation
    // and the classification.
    m_statistics = MenuFrame::addItem(options, statisticsText(), QStringLiteral("ortoukei"));
    MenuFrame::moveBefore(options, m_statistics, MenuFrame::findItem(options, design().gridName));
    connect(m_statistics, &QAction::triggered, this, &oresen::openStatistics);
    m_classification = MenuFrame::addItem(options, classificationText(), QStringLiteral("okubusi"));
    connect(m_classification, &QAction::triggered, this, &oresen::openClassification);
}

zel::VariableGraphInput oresen::input() const {
    zel::VariableGraphInput in;
    in.kind = kindList()->currentText().toStdString();
    in.showNames = legendShown();
    in.switches = context().workspace().statLineSwitches;
    return in;
}

zel::TitleContext oresen::titleContext() const {
    // The series name under the chart, for the kinds that show it there.
    zel::TitleContext title;
    title.variableNames = {zel::variableGraphBottomTitle(context().workspace().analysisSet, input())};
    return title;
}

std::optional<GraphWindow::ChartFill> oresen::chartFill(int index) {
    if (index != 0) return std::nullopt;
    zel::VariableGraphInput in = input();
    if (in.kind == zel::kParetoKind) return paretoFill();
    if (in.kind == zel::kVariableGraphEnteredKind) {
        // Every redraw of this kind asks for the limits again.
        const zel::EnteredLimits limits = askEnteredLimits(context(), this);
        if (limits.cancelled) return std::nullopt;
        if (limits.upper < limits.lower) {
            MessageBox::refusal(this, QString::fromUtf8(zel::kEnteredLimitsReversed), limitsTitleText());
            return std::nullopt;
        }
        in.entered = limits;
    }
    resetScale();
    const zel::Workspace& ws = context().workspace();
    const zel::VariableGraphKind* kind = zel::findVariableGraphKind(in.kind);
    const zel::VariableGraphMenuState menus =
        kind ? zel::variableGraphMenuState(*kind, seriesCount()) : zel::VariableGraphMenuState{};
    scaleItem()->setEnabled(menus.scale);
    m_statistics->setEnabled(menus.statistics);
    separationMenu()->menuAction()->setEnabled(menus.separation);
    m_classification->setEnabled(menus.classification);
    return [this, &ws, in](zel::ChartModel& model) {
        if (const std::optional<zel::ValueBounds> b =
                zel::fillVariableGraph(model, ws.analysisSet, ws.classFlags, in))
            m_bounds = *b;
    };
}

GraphWindow::ChartFill oresen::paretoFill() {
    // The items as the item count dialog left them: bars against 0..total on
    // the left, the cumulative percents against 0..100 on the right. Only the
    // scale dialog is offered.
    resetScale();
    scaleItem()->setEnabled(true);
    m_statistics->setEnabled(false);
    separationMenu()->menuAction()->setEnabled(false);
    m_classification->setEnabled(false);
    const zel::Workspace& ws = context().workspace();
    return [this, &ws](zel::ChartModel& model) {
        if (!zel::fillParetoChart(model, ws.paretoItems, ws.classFlags)) return;
        double total = 0.0;
        for (double v : ws.paretoItems.values)
            total += v;
        m_bounds = {total, 0.0};
    };
}

const std::vector<zel::SeriesStatistics>& oresen::seriesStatistics() const {
    return context().workspace().analysisSet.stats;
}

int oresen::seriesCount() const {
    return context().workspace().analysisSet.seriesCount;
}

SeriesGraphWindow::ScaleRange oresen::scaleSeed() const {
    return {m_bounds.upper, m_bounds.lower};
}

void oresen::openStatistics() {
    ZelWindow::openModal<toukei>(
        context(),
        [this](int code) {
            zel::ChartModel& m = chart()->model();
            m.setStatLines(code);
            m.setAction(static_cast<int>(zel::ChartActionCode::Draw));
        },
        this);
}

void oresen::openClassification() {
    ZelWindow::openModal<okikaku>(context(), this);
    // OK or ｷｬﾝｾﾙ: the chart is drawn again.
    redrawChart(0);
}

ZelWindow* openOresen(MainContext& context) {
    return ZelWindow::open<oresen>(context);
}

zel::PointSamples oresen::pointSamples(int index) const {
    // The Pareto analysis's items and its kind "パレート図" are no samples.
    if (index != 0 || analysis() == zel::AnalysisId::Pareto ||
        kindList()->currentText() == QString::fromUtf8(zel::kParetoKind))
        return {};
    return context().workspace().analysisSet.samples;
}
