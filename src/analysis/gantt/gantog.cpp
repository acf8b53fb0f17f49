// gantog: the Gantt chart window.
#include "analysis/gantt/gantog.h"

#include "analysis/AnalysisSet.h"
#include "components/chart/ChartView.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/WindowGeometry.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

namespace {

const GraphWindowSpec kDesign{
    .window = zel::WindowId::gantog,
    .caption = gantog::captionText(),
    .chartCount = 1,
    .printColourName = QStringLiteral("fcolor"),
    .optionsName = QStringLiteral("oreop"),
    .titlesName = QStringLiteral("titles"),
    .viewName = QStringLiteral("orsitens"),
    .gridName = QStringLiteral("ggriset"),
    .alsoCloses = {},
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

gantog::gantog(MainContext& context, QWidget* parent) : GraphWindow(context, kDesign, parent) {
    QStringList kinds;
    for (const std::string& k : zel::ganttKindList())
        kinds << text(k);
    m_kinds = addKindList(kindLabelText(), QStringLiteral("Label6"), kinds,
                          QString::fromUtf8(zel::kGanttPlainKind));
    m_task = addReadoutField(0, taskLabelText(), QStringLiteral("Textset"));
    m_start = addReadoutField(1, startLabelText(), QStringLiteral("Textpoint"));
    m_end = addReadoutField(2, endLabelText(), QStringLiteral("Text1"));
    m_duration = addReadoutField(3, durationLabelText(), QStringLiteral("Text2"));
    m_project = addReadoutField(4, projectLabelText(), QStringLiteral("Text3"));
    m_backwards = addReadoutField(5, backwardsLabelText(), QStringLiteral("Text4"));

    buildMenus();
    placeSingleChart();
    ChartView* view = chart(0);
    view->model().setHitReporting(1);
    connect(view, &ChartView::HotHit, this, &gantog::onHit);
    connect(m_kinds, &QComboBox::currentIndexChanged, this, [this] { redrawChart(0); });
}

void gantog::buildMenus() {
    QMenu* options = optionsMenu();
    QAction* titles = MenuFrame::findItem(options, design().titlesName);
    QAction* view = MenuFrame::findItem(options, design().viewName);
    // "最大最小値指定" stands in the menu but does nothing in this window.
    QAction* scale = MenuFrame::addItem(options, scaleText(), QStringLiteral("memoris"));
    MenuFrame::moveBefore(options, scale, titles);
    scale->setEnabled(false);

    QMenu* legend = MenuFrame::addMenu(options, legendMenuText(), QStringLiteral("OHANREI"));
    MenuFrame::moveBefore(options, legend->menuAction(), view);
    m_show = MenuFrame::addItem(legend, showText(), QStringLiteral("OHSURU"));
    m_hide = MenuFrame::addItem(legend, hideText(), QStringLiteral("OHSINAI"));
    m_show->setCheckable(true);
    m_hide->setCheckable(true);
    m_show->setChecked(true);
    connect(m_show, &QAction::triggered, this, [this] { choose(m_show, m_hide); });
    connect(m_hide, &QAction::triggered, this, [this] { choose(m_hide, m_show); });
}

void gantog::choose(QAction* on, QAction* off) {
    on->setChecked(true);
    off->setChecked(false);
    redrawChart(0);
}

zel::GanttKind gantog::kind() const {
    return zel::findGanttKind(m_kinds->currentText().toStdString()).value_or(zel::GanttKind::Plain);
}

std::optional<GraphWindow::ChartFill> gantog::chartFill(int index) {
    if (index != 0) return std::nullopt;
    const zel::AnalysisSet& set = context().workspace().analysisSet;
    m_backwards->setText(text(zel::negativeTaskList(set)));
    m_backwards->setToolTip(m_backwards->text());
    return [&set, k = kind(), shown = m_show->isChecked()](zel::ChartModel& model) {
        zel::fillGanttChart(model, set, k, shown);
    };
}

void gantog::onHit(int series, int point) {
    const zel::AnalysisSet& set = context().workspace().analysisSet;
    zel::ChartModel& m = chart(0)->model();
    if (series > set.seriesCount || !m.setCurrentSeries(series) || !m.setCurrentPoint(point)) return;
    const std::optional<zel::GanttClick> click = zel::ganttClick(set, series, point);
    if (!click) return;
    const zel::GanttReadout r = zel::ganttReadout(*click);
    m_task->setText(text(r.task));
    m_start->setText(text(r.start));
    m_end->setText(text(r.end));
    m_duration->setText(text(r.duration));
    m_project->setText(text(r.project));
}

ZelWindow* openGantog(MainContext& context) {
    return ZelWindow::open<gantog>(context);
}

zel::PointSamples gantog::pointSamples(int index) const {
    return index == 0 ? context().workspace().analysisSet.samples : zel::PointSamples{};
}
