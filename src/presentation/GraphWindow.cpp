// The graph-window frame: charts, common menus, settings and titles at each
// redraw, the single-chart layout rule and the analysis-to-window lookup.
#include "presentation/GraphWindow.h"

#include "components/chart/ChartRenderer.h"
#include "components/chart/ChartView.h"
#include "presentation/ReportDocument.h"
#include "presentation/TitleTable.h"
#include "presentation/grids.h"
#include "presentation/rgset.h"
#include "presentation/titlef.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <vector>

namespace {
using MenuFrame::addItem;
using zel::px;
} // namespace

GraphWindow::GraphWindow(MainContext& context, const GraphWindowSpec& design, QWidget* parent)
    : ZelWindow(design.window, parent), m_context(context), m_spec(design),
      m_analysis(currentAnalysis(context)) {
    setWindowTitle(design.caption);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

    const MenuFrame::Parts frame = MenuFrame::install(this);
    m_menuBar = frame.menuBar;
    m_client = frame.client;
    m_client->installEventFilter(this);

    const int count = std::max(1, design.chartCount);
    for (int i = 0; i < count; ++i) {
        auto* view = new ChartView(m_client);
        view->setObjectName(QStringLiteral("Graph%1").arg(i + 1));
        view->setGeometry(px(100), px(100) + i * 240, 560, 240);
        m_charts.append(view);
        connect(view, &ChartView::HotHit, this, [this, i](int, int point) { selectSampleOf(i, point); });
    }
    buildMenus();
    resize(800, 560);
}

GraphWindow::~GraphWindow() = default;

void GraphWindow::buildMenus() {
    QMenu* print = MenuFrame::addMenu(m_menuBar, printMenuText(), QStringLiteral("INSATU"));
    connect(addItem(print, colourText(), m_spec.printColourName), &QAction::triggered, this,
            [this] { printCharts(true); });
    connect(addItem(print, monochromeText(), QStringLiteral("fmono")), &QAction::triggered, this,
            [this] { printCharts(false); });
    // The window's charts as one report document.
    connect(addItem(print, reportdoc::saveItemText(), QStringLiteral("reportsave")), &QAction::triggered,
            this, [this] {
                reportdoc::Document doc = reportdoc::windowDocument(m_context, windowTitle());
                for (const zel::ChartModel* m : models())
                    doc.charts.push_back(m);
                reportdoc::saveAsPdf(this, doc);
            });

    QMenu* edit = MenuFrame::addMenu(m_menuBar, editMenuText(), QStringLiteral("ghen"));
    if (chartCount() == 1) {
        connect(addItem(edit, copyText(), QStringLiteral("gcopy")), &QAction::triggered, this,
                [this] { copyChart(0, false); });
        connect(addItem(edit, monoCopyText(), QStringLiteral("gcopym")), &QAction::triggered, this,
                [this] { copyChart(0, true); });
    } else {
        QMenu* copy = MenuFrame::addMenu(edit, copyText(), QStringLiteral("gcopy"));
        QMenu* mono = MenuFrame::addMenu(edit, monoCopyText(), QStringLiteral("gcopym"));
        for (int i = 0; i < chartCount(); ++i) {
            const QString caption = i < m_spec.copyItemCaptions.size()
                                        ? m_spec.copyItemCaptions[i]
                                        : QStringLiteral("グラフ%1").arg(i + 1);
            const QString name = i < m_spec.copyItemNames.size() ? m_spec.copyItemNames[i] : QString();
            const QString monoName =
                i < m_spec.monoCopyItemNames.size() ? m_spec.monoCopyItemNames[i] : QString();
            connect(addItem(copy, caption, name), &QAction::triggered, this,
                    [this, i] { copyChart(i, false); });
            connect(addItem(mono, caption, monoName), &QAction::triggered, this,
                    [this, i] { copyChart(i, true); });
        }
    }

    m_optionsMenu = MenuFrame::addMenu(m_menuBar, optionsMenuText(), m_spec.optionsName);
    connect(addItem(m_optionsMenu, titlesText(), m_spec.titlesName), &QAction::triggered, this,
            &GraphWindow::openTitles);
    if (!m_spec.viewName.isEmpty())
        connect(addItem(m_optionsMenu, viewText(), m_spec.viewName), &QAction::triggered, this,
                &GraphWindow::openViewSettings);
    connect(addItem(m_optionsMenu, gridText(), m_spec.gridName), &QAction::triggered, this,
            &GraphWindow::openGridLines);

    QMenu* end = MenuFrame::addMenu(m_menuBar, endMenuText(), QStringLiteral("ENDF"));
    connect(addItem(end, menuScreenText(), QStringLiteral("GOMENU")), &QAction::triggered, this,
            &GraphWindow::returnToMenu);
}

ChartView* GraphWindow::chart(int index) const {
    return index >= 0 && index < m_charts.size() ? m_charts[index] : nullptr;
}

QList<zel::ChartModel*> GraphWindow::models() const {
    QList<zel::ChartModel*> list;
    for (ChartView* v : m_charts)
        list.append(&v->model());
    return list;
}

void GraphWindow::addPanelControl(QWidget* control) {
    if (control->parentWidget() != m_client) control->setParent(m_client);
    if (!m_panel.contains(control)) m_panel.append(control);
}

QLineEdit* GraphWindow::addReadout(const QString& name) {
    auto* box = new QLineEdit(m_client);
    box->setObjectName(name);
    box->setReadOnly(true);
    connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        box->setCursorPosition(0);
        box->setToolTip(text);
    });
    addPanelControl(box);
    return box;
}

void GraphWindow::placePanelControl(QWidget* control, double top, double height) {
    control->setGeometry(px(kPanelLeft), px(top), px(kPanelWidth), px(height));
    addPanelControl(control);
}

QComboBox* GraphWindow::addKindList(const QString& caption, const QString& captionName,
                                    const QStringList& kinds, const QString& current) {
    auto* label = new QLabel(caption, m_client);
    label->setObjectName(captionName);
    placePanelControl(label, kPanelTop, kCaptionHeight);
    auto* list = new QComboBox(m_client);
    list->setObjectName(QStringLiteral("graphs"));
    list->addItems(kinds);
    list->setCurrentText(current);
    placePanelControl(list, kPanelTop + kPanelStep, kKindListHeight);
    return list;
}

QLineEdit* GraphWindow::addReadoutField(int row, const QString& caption, const QString& name) {
    auto* label = new QLabel(caption, m_client);
    label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
    placePanelControl(label, kFieldsTop + 2 * row * kPanelStep, kCaptionHeight);
    QLineEdit* box = addReadout(name);
    placePanelControl(box, kFieldsTop + (2 * row + 1) * kPanelStep, kReadoutHeight);
    return box;
}

void GraphWindow::placeSingleChart() {
    chart(0)->setGeometry(px(100), px(100), px(kPanelLeft - 300), px(4000));
}

std::optional<GraphWindow::ChartFill> GraphWindow::chartFill(int) {
    return ChartFill{};
}

bool GraphWindow::refill(int index) {
    const std::optional<ChartFill> fill = chartFill(index);
    if (!fill) return false;
    zel::ChartModel& model = m_charts[index]->model();
    model.redrawReset(model.viewAngles(), m_spec.controlChart);
    if (*fill) (*fill)(model);
    return true;
}

void GraphWindow::applySettings() {
    const QList<zel::ChartModel*> list = models();
    const std::vector<zel::ChartModel*> charts(list.begin(), list.end());
    const zel::ChartSettings settings{zel::readGridSettings(zel::appSettings()),
                                      m_context.workspace().view3d};
    zel::applyChartSettings(charts, settings, m_context.workspace().titles, m_analysis, titleContext());
    m_titlesApplied = true;
}

void GraphWindow::redraw() {
    if (m_inRedraw) return;
    m_inRedraw = true;
    for (int i = 0; i < chartCount(); ++i)
        refill(i);
    applySettings();
    drawCharts();
    m_inRedraw = false;
}

bool GraphWindow::redrawChart(int index) {
    if (m_inRedraw || index < 0 || index >= chartCount()) return false;
    m_inRedraw = true;
    const bool filled = refill(index);
    if (filled) {
        applySettings();
        // A new kind can change this chart's axis labels: the charts keep one left edge.
        alignCharts();
        m_charts[index]->model().setAction(static_cast<int>(zel::ChartActionCode::Draw));
    }
    m_inRedraw = false;
    return filled;
}

void GraphWindow::applySettingsAndDraw() {
    applySettings();
    drawCharts();
}

void GraphWindow::drawCharts() {
    alignCharts();
    for (ChartView* c : m_charts)
        c->model().setAction(static_cast<int>(zel::ChartActionCode::Draw));
}

void GraphWindow::alignCharts() {
    if (m_charts.size() < 2) return;
    std::vector<const zel::ChartModel*> list;
    for (ChartView* c : m_charts)
        list.push_back(&c->model());
    ChartRenderer::Options options = m_charts.first()->renderOptions();
    options.insets = {};
    const PlotInsets insets = ChartRenderer::sharedInsets(list, QRectF(m_charts.first()->rect()), options);
    for (ChartView* c : m_charts)
        c->setPlotInsets(insets);
}

void GraphWindow::printCharts(bool colour) {
    for (ChartView* c : m_charts)
        c->model().setPrintColor(colour ? 1 : 0);
    ChartView::printCharts(m_charts, !colour);
}

void GraphWindow::copyChart(int index, bool monochrome) {
    ChartView* c = chart(index);
    if (!c) return;
    if (monochrome) c->model().setScreenColor(0);
    c->copyToClipboard(monochrome);
    // The screen is in colour again afterwards.
    c->model().setScreenColor(1);
}

void GraphWindow::openTitles() {
    ZelWindow::openModal<titlef>(m_context, this);
}

void GraphWindow::openGridLines() {
    ZelWindow::openModal<grids>(m_context, this);
}

void GraphWindow::openViewSettings() {
    // The 3-D dialog context: this chart's type, and its style for a 3-D bar.
    const zel::ChartModel& m = m_charts.first()->model();
    zel::Workspace& ws = m_context.workspace();
    ws.rememberedGraphType = static_cast<std::int16_t>(m.chartType());
    ws.rememberedGraphStyle =
        static_cast<std::int16_t>(m.chartType() == zel::ChartType::Bar3D ? m.chartStyle() : 0);
    ViewSettings::open(m_context);
}

void GraphWindow::returnToMenu() {
    const std::vector<zel::WindowId> others = m_spec.alsoCloses;
    close();
    ZelWindow::closeWindows(others);
}

GraphWindow* GraphWindow::forAnalysis(std::optional<zel::AnalysisId> analysis) {
    const std::optional<zel::WindowId> window = analysis ? zel::graphWindow(*analysis) : std::nullopt;
    return window ? qobject_cast<GraphWindow*>(ZelWindow::find(*window)) : nullptr;
}

void GraphWindow::applyTitlesToCurrent(MainContext& context, const zel::TitleInput& input) {
    const std::optional<zel::AnalysisId> analysis = currentAnalysis(context);
    GraphWindow* window = forAnalysis(analysis);
    std::vector<zel::ChartModel*> charts;
    zel::TitleContext titleContext;
    if (window) {
        for (zel::ChartModel* m : window->models())
            charts.push_back(m);
        titleContext = window->titleContext();
    }
    const bool redraw = zel::applyTitles(context.workspace().titles, input, analysis, titleContext, charts);
    if (window && redraw) window->drawCharts();
}

namespace {
// The graph windows in the order the user activated them, the last one last.
QList<QPointer<GraphWindow>>& activationOrder() {
    static QList<QPointer<GraphWindow>> order;
    return order;
}
} // namespace

zel::PointSamples GraphWindow::pointSamples(int) const {
    return {};
}

int GraphWindow::sampleSeries(int) const {
    return 1;
}

void GraphWindow::selectSampleOf(int index, int point) {
    // Only the click the panel answers (a press or double click of the left
    // button): the right button's pop-ups stay what they are.
    const ChartView* view = chart(index);
    if (!view || view->model().hitKind() == 3) return;
    if (const std::optional<int> sample = zel::sampleOfPoint(pointSamples(index), point))
        m_context.selectSampleRow(*sample);
}

bool GraphWindow::showsSample(int sample) const {
    for (int i = 0; i < chartCount(); ++i)
        if (zel::pointOfSample(pointSamples(i), sample)) return true;
    return false;
}

bool GraphWindow::showSample(int sample) {
    for (int i = 0; i < chartCount(); ++i) {
        const std::optional<int> point = zel::pointOfSample(pointSamples(i), sample);
        if (!point) continue;
        if (isMinimized()) showNormal();
        raise();
        activateWindow();
        markActive();
        ChartView* view = m_charts[i];
        view->model().setHitKind(1);
        emit view->HotHit(sampleSeries(i), *point);
        view->highlightPoint(sampleSeries(i), *point);
        return true;
    }
    return false;
}

void GraphWindow::markActive() {
    QList<QPointer<GraphWindow>>& order = activationOrder();
    order.removeIf([this](const QPointer<GraphWindow>& w) { return w.isNull() || w == this; });
    order.append(this);
}

GraphWindow* GraphWindow::lastActive() {
    const QList<QPointer<GraphWindow>>& order = activationOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (*it && (*it)->isVisible()) return *it;
    return nullptr;
}

void GraphWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) markActive();
    ZelWindow::changeEvent(e);
}

void GraphWindow::layoutClient(QSizeF twips) {
    const double sw = twips.width();
    const double sh = twips.height();
    const int count = chartCount();
    QRect first = m_charts.first()->geometry();
    int width = first.width();
    int height = first.height() * count;
    if (sw - 2300 > 500) {
        width = px(sw - 2300);
        for (QWidget* w : m_panel)
            w->move(px(sw - 2080), w->y());
    }
    if (sh - 200 > 500) height = px(sh - 200);
    const int each = count > 0 ? height / count : height;
    for (int i = 0; i < count; ++i)
        m_charts[i]->setGeometry(px(100), px(100) + i * each, width, each);
}

void GraphWindow::showEvent(QShowEvent* e) {
    ZelWindow::showEvent(e);
    // A window just opened counts as activated, also where the platform activates none.
    markActive();
    if (!m_titlesApplied) redraw();
}

void GraphWindow::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Cancel)) {
        e->ignore();
        return;
    }
    ZelWindow::keyPressEvent(e);
}

bool GraphWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_client && e->type() == QEvent::Resize) {
        layoutClient(
            QSizeF(zel::Twips::fromPixels(m_client->width()), zel::Twips::fromPixels(m_client->height())));
        if (m_titlesApplied) redraw();
    }
    return ZelWindow::eventFilter(watched, e);
}
