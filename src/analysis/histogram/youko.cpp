// The histogram window: its kind list, the label and classification items,
// and the fill of its chart from the Class table.
#include "analysis/histogram/youko.h"

#include "analysis/CapabilityDialog.h"
#include "analysis/CapabilityPanel.h"
#include "analysis/histogram/CapabilityOverlay.h"
#include "analysis/histogram/kikaku.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/WindowGeometry.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QTableWidget>

namespace {

const GraphWindowSpec kDesign{
    .window = zel::WindowId::youko,
    .caption = youko::captionText(),
    .chartCount = 1,
    .optionsName = QStringLiteral("gore"),
    .titlesName = QStringLiteral("titles"),
    .viewName = QStringLiteral("pasitens"),
    .gridName = QStringLiteral("pagriset"),
    .alsoCloses = {zel::WindowId::dobun},
};

const SeriesGraphNames kNames{
    .scale = QStringLiteral("memorore"),
    .legendText = youko::legendMenuText(),
    .legend = QStringLiteral("hishan"),
    .show = QStringLiteral("hanari"),
    .hide = QStringLiteral("hannasi"),
    .separation = QStringLiteral("ybun"),
    .separate = QStringLiteral("bunri"),
    .join = QStringLiteral("bunrinasi"),
    .separationBeforeGrid = true,
};

} // namespace

youko::youko(MainContext& context, QWidget* parent) : SeriesGraphWindow(context, kDesign, kNames, parent) {
    zel::Workspace& ws = context.workspace();
    // Opening: no class is classified.
    ws.classFlags.assign(static_cast<std::size_t>(std::max(ws.classTable.classes, 0)),
                         zel::classflags::kNone);
    buildMenus();
    buildCapabilityBox();
    std::vector<std::string_view> kinds;
    for (const zel::HistogramKind& k : zel::histogramKinds())
        kinds.push_back(k.name);
    startPanel(kinds, zel::initialHistogramKind(ws.classTable.seriesCount()));
}

youko::~youko() = default;

void youko::buildMenus() {
    QMenu* options = optionsMenu();
    QAction* grid = MenuFrame::findItem(options, design().gridName);

    // The labels before the separation, the classification before the grid lines.
    m_labels = MenuFrame::addMenu(options, labelMenuText(), QStringLiteral("palabe"));
    MenuFrame::moveBefore(options, m_labels->menuAction(), separationMenu()->menuAction());
    m_mid = checkItem(m_labels, midLabelText(), QStringLiteral("pahei"), false);
    m_range = checkItem(m_labels, rangeLabelText(), QStringLiteral("pajk"), true);
    connect(m_mid, &QAction::triggered, this, [this] { choose(m_mid, m_range); });
    connect(m_range, &QAction::triggered, this, [this] { choose(m_range, m_mid); });

    m_classification = MenuFrame::addItem(options, classificationText(), QStringLiteral("kikakugs"));
    MenuFrame::moveBefore(options, m_classification, grid);
    connect(m_classification, &QAction::triggered, this, &youko::openClassification);

    // The process capability ends the menu; the curve switch means something
    // only while limits are set.
    m_limitsItem = MenuFrame::addItem(options, CapabilityDialog::menuText(), QStringLiteral("kikakuti"));
    connect(m_limitsItem, &QAction::triggered, this, &youko::openLimits);
    m_curve = MenuFrame::addItem(options, curveText(), QStringLiteral("seikibunpu"));
    m_curve->setCheckable(true);
    m_curve->setChecked(true);
    m_curve->setEnabled(false);
    connect(m_curve, &QAction::triggered, this, [this] { redrawChart(0); });
}

void youko::buildCapabilityBox() {
    // A little below the kind list (the eleventh control down); its height follows its rows.
    constexpr double kKindListBottom = kPanelTop + 11 * kPanelStep + kKindListHeight;
    constexpr double kGap = 90;
    m_capability = new CapabilityPanel(client());
    placePanelControl(m_capability, kKindListBottom + kGap, kPanelStep);
    m_capability->hide();
}

void youko::showCapability() {
    m_curve->setEnabled(m_limits.hasLimit());
    if (!m_limits.hasLimit()) {
        m_capability->setRowCount(0);
        m_capability->hide();
        keepInSight(0);
        return;
    }
    const zel::Result<zel::Capability> c =
        zel::histogramCapability(context().workspace().classTable, m_limits);
    m_capability->show();
    m_capability->showRows(c ? zel::capabilityRows(c.value()) : std::vector<zel::CapabilityRow>{});
    keepInSight(m_capability->geometry().bottom() + 1 + zel::px(kPanelTop));
}

void youko::keepInSight(int clientHeight) {
    client()->setMinimumHeight(clientHeight);
    // The window's least size follows at once (a lower window grows to it).
    if (layout()) layout()->activate();
}

void youko::openLimits() {
    const std::optional<zel::SpecificationLimits> chosen = CapabilityDialog::ask(m_limits, this);
    if (!chosen) return;
    m_limits = *chosen;
    showCapability();
    redrawChart(0);
}

zel::HistogramInput youko::input() const {
    return {kindList()->currentText().toStdString(), m_mid->isChecked(), legendShown()};
}

zel::TitleContext youko::titleContext() const {
    // The series name under the chart, for the kinds that show it there.
    zel::TitleContext title;
    title.variableNames = {zel::histogramBottomTitle(context().workspace().classTable, input())};
    return title;
}

std::optional<GraphWindow::ChartFill> youko::chartFill(int index) {
    if (index != 0) return std::nullopt;
    resetScale();
    const zel::Workspace& ws = context().workspace();
    const zel::HistogramInput in = input();
    const zel::HistogramKind* kind = zel::findHistogramKind(in.kind);
    const zel::HistogramMenuState menus =
        kind ? zel::histogramMenuState(*kind, seriesCount()) : zel::HistogramMenuState{};
    scaleItem()->setEnabled(menus.scale);
    m_classification->setEnabled(menus.classification);
    separationMenu()->menuAction()->setEnabled(menus.separation);
    legendMenu()->menuAction()->setEnabled(menus.legend);
    m_labels->menuAction()->setEnabled(menus.labels);
    m_extremes.take(ws.classTable);
    const zel::SpecificationLimits limits = m_limits;
    const bool curveOn = m_curve->isChecked();
    return [&ws, in, kind, limits, curveOn](zel::ChartModel& model) {
        zel::fillHistogram(model, ws.classTable, ws.classLabels, ws.classFlags, in);
        if (!kind || !limits.hasLimit()) return;
        if (const zel::Result<zel::Capability> c = zel::histogramCapability(ws.classTable, limits))
            zel::drawCapability(model, ws.classTable, *kind, limits, c.value(), curveOn);
    };
}

const std::vector<zel::SeriesStatistics>& youko::seriesStatistics() const {
    return context().workspace().classTable.stats;
}

int youko::seriesCount() const {
    return context().workspace().classTable.seriesCount();
}

SeriesGraphWindow::ScaleRange youko::scaleSeed() const {
    return {m_extremes.largest, m_extremes.smallest};
}

void youko::openClassification() {
    if (ZelWindow::openModal<kikaku>(context(), this) == QDialog::Accepted) redrawChart(0);
}

ZelWindow* openYouko(MainContext& context) {
    return ZelWindow::open<youko>(context);
}
