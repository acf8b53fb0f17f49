// The variable graph window: its panel, kind list and menus, the fill of its
// chart from the Analysis set, point clicks, separation and its dialogs.
#include "analysis/vargraph/oresen.h"

#include "analysis/pareto/Pareto.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlChartFill.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/histogram/MEMORIH.h"
#include "analysis/vargraph/okikaku.h"
#include "analysis/vargraph/toukei.h"
#include "common/NumberText.h"
#include "components/chart/ChartView.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

using MenuFrame::addItem;
using zel::px;

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

// Twips of the panel: a caption above each box, the kind list last.
constexpr double kPanelTop = 120;
constexpr double kPanelStep = 270;
constexpr double kPanelWidth = 2000;
constexpr double kDesignPanelLeft = 6345;
// The chart's HitKind of the gesture that pops the separation menu up.
constexpr int kMenuHit = 3;

QString signedText(double v) {
    return QString::fromStdString(zel::signedNumberText(v));
}

QAction* findItem(QMenu* menu, const QString& name) {
    for (QAction* a : menu->actions())
        if (a->objectName() == name) return a;
    return nullptr;
}

void moveBefore(QMenu* menu, QAction* item, QAction* before) {
    menu->removeAction(item);
    menu->insertAction(before, item);
}

} // namespace

oresen::oresen(MainContext& context, QWidget* parent) : GraphWindow(context, kDesign, parent) {
    zel::Workspace& ws = context.workspace();
    // Opening: no sample is classified.
    ws.classFlags.assign(static_cast<std::size_t>(std::max(ws.analysisSet.n, 0)), zel::classflags::kNone);
    buildPanel();
    buildMenus();
    chart()->model().setHitReporting(1);
    connect(chart(), &ChartView::HotHit, this, &oresen::onHit);
    m_set->setText(signedText(1));
    showSeries(1);
    m_point->clear();
    const QSignalBlocker block(m_kinds);
    const bool pareto = analysis() == zel::AnalysisId::Pareto;
    const std::string_view first = zel::initialVariableGraphKind(pareto);
    m_kinds->setCurrentText(QString::fromUtf8(first.data(), static_cast<int>(first.size())));
    chart()->setGeometry(px(100), px(100), px(kDesignPanelLeft - 300), px(4000));
}

oresen::~oresen() = default;

void oresen::buildPanel() {
    const QStringList captions = {QStringLiteral("変数ナンバー"), QStringLiteral("データ値"),
                                  QStringLiteral("平均"), QStringLiteral("分散"), QStringLiteral("標準偏差")};
    const QStringList boxes = {QStringLiteral("Textset"), QStringLiteral("Textpoint"),
                               QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3")};
    int row = 0;
    const auto place = [&](QWidget* w, double height) {
        w->setGeometry(px(kDesignPanelLeft), px(kPanelTop + row * kPanelStep), px(kPanelWidth), px(height));
        addPanelControl(w);
        ++row;
    };
    for (int i = 0; i < captions.size(); ++i) {
        auto* label = new QLabel(captions[i], client());
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        place(label, 255);
        QLineEdit* box = addReadout(boxes[i]);
        place(box, 285);
        if (i == 0)
            m_set = box;
        else if (i == 1)
            m_point = box;
        else
            m_stats[i - 2] = box;
    }
    auto* kindLabel = new QLabel(QStringLiteral("グラフ種類"), client());
    kindLabel->setObjectName(QStringLiteral("Label6"));
    place(kindLabel, 255);
    m_kinds = new QComboBox(client());
    m_kinds->setObjectName(QStringLiteral("graphs"));
    const bool pareto = analysis() == zel::AnalysisId::Pareto;
    const std::vector<std::string_view> kinds =
        zel::variableGraphKindList(context().workspace().analysisSet.seriesCount, pareto);
    for (std::string_view k : kinds)
        m_kinds->addItem(QString::fromUtf8(k.data(), static_cast<int>(k.size())));
    m_kinds->setMaxVisibleItems(static_cast<int>(kinds.size()));
    place(m_kinds, 330);
    connect(m_kinds, &QComboBox::currentIndexChanged, this, [this] { redrawChart(0); });
}

QAction* oresen::checkItem(QMenu* menu, const QString& text, const QString& name, bool checked) {
    QAction* a = addItem(menu, text, name);
    a->setCheckable(true);
    a->setChecked(checked);
    return a;
}

void oresen::choose(QAction* on, QAction* off) {
    on->setChecked(true);
    off->setChecked(false);
    redrawChart(0);
}

void oresen::buildMenus() {
    QMenu* options = optionsMenu();
    QAction* titles = findItem(options, QStringLiteral("titles"));
    QAction* view = findItem(options, QStringLiteral("orsitens"));
    QAction* grid = findItem(options, QStringLiteral("ogriset"));

    m_scale = addItem(options, scaleText(), QStringLiteral("memoris"));
    moveBefore(options, m_scale, titles);
    connect(m_scale, &QAction::triggered, this, &oresen::openScale);

    m_legend = MenuFrame::addMenu(options, legendMenuText(), QStringLiteral("OHANREI"));
    options->removeAction(m_legend->menuAction());
    options->insertMenu(view, m_legend);
    m_show = checkItem(m_legend, showText(), QStringLiteral("OHSURU"), true);
    m_hide = checkItem(m_legend, hideText(), QStringLiteral("OHSINAI"), false);
    connect(m_show, &QAction::triggered, this, [this] { choose(m_show, m_hide); });
    connect(m_hide, &QAction::triggered, this, [this] { choose(m_hide, m_show); });

    m_statistics = addItem(options, statisticsText(), QStringLiteral("ortoukei"));
    moveBefore(options, m_statistics, grid);
    connect(m_statistics, &QAction::triggered, this, &oresen::openStatistics);

    // After the grid lines: the separation and the classification.
    m_separation = MenuFrame::addMenu(options, separationMenuText(), QStringLiteral("oretui"));
    connect(addItem(m_separation, separateText(), QStringLiteral("obunari")), &QAction::triggered, this,
            [this] { separate(true); });
    connect(addItem(m_separation, joinText(), QStringLiteral("obunnasi")), &QAction::triggered, this,
            [this] { separate(false); });
    m_classification = addItem(options, classificationText(), QStringLiteral("okubusi"));
    connect(m_classification, &QAction::triggered, this, &oresen::openClassification);
}

zel::VariableGraphInput oresen::input() const {
    zel::VariableGraphInput in;
    in.kind = m_kinds->currentText().toStdString();
    in.showNames = m_show->isChecked();
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
    m_scaleUpper = 0.0;
    m_scaleLower = 0.0;
    const zel::Workspace& ws = context().workspace();
    const zel::VariableGraphKind* kind = zel::findVariableGraphKind(in.kind);
    const zel::VariableGraphMenuState menus =
        kind ? zel::variableGraphMenuState(*kind, ws.analysisSet.seriesCount) : zel::VariableGraphMenuState{};
    m_scale->setEnabled(menus.scale);
    m_statistics->setEnabled(menus.statistics);
    m_separation->menuAction()->setEnabled(menus.separation);
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
    m_scaleUpper = 0.0;
    m_scaleLower = 0.0;
    m_scale->setEnabled(true);
    m_statistics->setEnabled(false);
    m_separation->menuAction()->setEnabled(false);
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

void oresen::showSeries(int series) {
    const zel::AnalysisSet& set = context().workspace().analysisSet;
    const auto i = static_cast<std::size_t>(series - 1);
    if (i >= set.stats.size()) return;
    const zel::SeriesStatistics& st = set.stats[i];
    m_stats[0]->setText(signedText(st.mean));
    m_stats[1]->setText(signedText(st.variance));
    m_stats[2]->setText(signedText(st.sd));
}

void oresen::onHit(int series, int point) {
    zel::ChartModel& m = chart()->model();
    if (series <= context().workspace().analysisSet.seriesCount && m.setCurrentSeries(series) &&
        m.setCurrentPoint(point)) {
        m_set->setText(signedText(series));
        m_point->setText(signedText(m.pointValue()));
        showSeries(series);
    }
    m_lastPoint = point;
    if (m.hitKind() == kMenuHit && zel::popsSeparationMenu(m_kinds->currentText().toStdString()))
        m_separation->popup(QCursor::pos());
}

void oresen::separate(bool apart) {
    if (m_lastPoint < 1) {
        MessageBox::refusal(this, apart ? separateMissingText() : joinMissingText(), separationTitleText());
        return;
    }
    chart()->model().setPointSeparatedAt(m_lastPoint, apart ? 1 : 0);
    drawCharts();
}

void oresen::openScale() {
    if (m_scaleUpper == 0.0 && m_scaleLower == 0.0) {
        m_scaleUpper = m_bounds.upper;
        m_scaleLower = m_bounds.lower;
    }
    chart()->model().setYAxisSelect(0);
    ZelWindow::openModal<MEMORIH>(
        context(), MEMORIH::Range{m_scaleUpper, m_scaleLower},
        [this](MEMORIH::Range r) {
            m_scaleUpper = r.upper;
            m_scaleLower = r.lower;
            zel::ChartModel& m = chart()->model();
            m.setYAxisScale(zel::axisscales::kFixed);
            m.setYAxisMax(r.upper);
            m.setYAxisMin(r.lower);
            m.setAction(static_cast<int>(zel::ChartActionCode::Draw));
        },
        this);
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
