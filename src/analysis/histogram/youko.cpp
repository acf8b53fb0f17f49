// The histogram window: its kind list, the label and classification items,
// and the fill of its chart from the Class table.
#include "analysis/histogram/youko.h"

#include "analysis/histogram/kikaku.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

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
    return [&ws, in](zel::ChartModel& model) {
        zel::fillHistogram(model, ws.classTable, ws.classLabels, ws.classFlags, in);
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
