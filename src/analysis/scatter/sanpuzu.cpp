// The scatter window: the computation, the panel, the kind list, its menus and
// the tables it opens.
#include "analysis/scatter/sanpuzu.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/scatter/Regression.h"
#include "analysis/scatter/TAKOJI.h"
#include "common/NumberText.h"
#include "components/chart/ChartView.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>
#include <span>

namespace {

using MenuFrame::addItem;

const GraphWindowSpec kDesign{
    .window = zel::WindowId::sanpuzu,
    .caption = sanpuzu::captionText(),
    .chartCount = 1,
    .optionsName = QStringLiteral("sanop"),
    .titlesName = QStringLiteral("santai"),
    .viewName = QString(),
    .gridName = QStringLiteral("sgriset"),
    .alsoCloses = {zel::WindowId::dobun, zel::WindowId::hensi1, zel::WindowId::hensi2, zel::WindowId::hensi3},
};

// The tables that open and close with the window.
constexpr zel::WindowId kTables[] = {zel::WindowId::kaibun, zel::WindowId::kaityo};

QString signedText(double v) {
    return QString::fromStdString(zel::signedNumberText(v));
}

QString utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Opens (or raises) a table window; its opener fills it from the workspace.
void openTable(MainContext& context, zel::WindowId table) {
    if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(table)) open(context);
}

} // namespace

sanpuzu::sanpuzu(MainContext& context, QWidget* parent) : GraphWindow(context, kDesign, parent) {
    buildPanel();
    buildMenus();
    placeSingleChart();
    computeRegressions();
    for (zel::WindowId table : kTables)
        openTable(context, table);
    chart()->model().setHitReporting(1);
    connect(chart(), &ChartView::HotHit, this, &sanpuzu::onHit);
    // A new kind redraws; the first drawing comes with the window's showing.
    connect(m_kinds, &QComboBox::currentIndexChanged, this, [this] { redrawChart(0); });
}

sanpuzu::~sanpuzu() = default;

void sanpuzu::buildPanel() {
    struct Field {
        const char* label;
        QString caption;
        const char* box; // nullptr: a caption alone
    };
    // In the panel's order from the top; the kind list ends it.
    const Field fields[] = {
        {"Label1", QStringLiteral("変数ナンバー"), "Textset"},
        {"Label2", QStringLiteral("データ値（Ｙ）"), "Textpoint"},
        {"Label9", QStringLiteral("データ値（Ｘ）"), "Text5"},
        {"Label3", QStringLiteral("相関係数"), "Text1"},
        {"Label5", QStringLiteral("切片　ａ"), "Text2"},
        {"Label6", QStringLiteral("方向係数　ｂ"), "Text3"},
        {"Label8", QStringLiteral("標準偏差　σ"), "Text4"},
        {"Label7", equationText(), nullptr},
        {"Label4", QStringLiteral("グラフ種類"), nullptr},
    };
    int row = 0;
    const auto place = [&](QWidget* w, double height) {
        placePanelControl(w, kPanelTop + row++ * kPanelStep, height);
    };
    QLineEdit* boxes[7] = {};
    int box = 0;
    for (const Field& f : fields) {
        auto* label = new QLabel(f.caption, client());
        label->setObjectName(QString::fromLatin1(f.label));
        place(label, kCaptionHeight);
        if (f.box) {
            boxes[box] = addReadout(QString::fromLatin1(f.box));
            place(boxes[box++], kReadoutHeight);
        }
    }
    m_set = boxes[0];
    m_pointY = boxes[1];
    m_pointX = boxes[2];
    m_r = boxes[3];
    m_a = boxes[4];
    m_b = boxes[5];
    m_sigma = boxes[6];

    m_kinds = new QComboBox(client());
    m_kinds->setObjectName(QStringLiteral("graphs"));
    for (const zel::ScatterKindRow& k : zel::scatterKinds())
        m_kinds->addItem(utf8(k.name));
    m_kinds->setMaxVisibleItems(static_cast<int>(zel::kScatterKindCount));
    m_kinds->setCurrentText(utf8(zel::scatterKind(zel::kScatterInitialKind).name));
    place(m_kinds, kKindListHeight);
}

QAction* sanpuzu::checkItem(QMenu* menu, const QString& text, const QString& name, bool checked) {
    QAction* a = addItem(menu, text, name);
    a->setCheckable(true);
    a->setChecked(checked);
    return a;
}

void sanpuzu::choose(QAction* on, QAction* off) {
    on->setChecked(true);
    off->setChecked(false);
    redrawChart(0);
}

void sanpuzu::buildMenus() {
    QMenu* options = optionsMenu();
    QAction* titles = MenuFrame::findItem(options, design().titlesName);
    QAction* grid = MenuFrame::findItem(options, design().gridName);

    QAction* anova = addItem(options, anovaText(), QStringLiteral("skaibun"));
    QAction* line = addItem(options, lineInfoText(), QStringLiteral("skaitj"));
    MenuFrame::moveBefore(options, anova, titles);
    MenuFrame::moveBefore(options, line, titles);
    connect(anova, &QAction::triggered, this, &sanpuzu::openAnalysisOfVariance);
    connect(line, &QAction::triggered, this, &sanpuzu::openLineInformation);

    QMenu* yTitle = MenuFrame::addMenu(options, yTitleMenuText(), QStringLiteral("YJTAI"));
    MenuFrame::moveBefore(options, yTitle->menuAction(), grid);
    m_yShow = checkItem(yTitle, showText(), QStringLiteral("YSURU"), true);
    m_yHide = checkItem(yTitle, hideText(), QStringLiteral("YSINAI"), false);
    connect(m_yShow, &QAction::triggered, this, [this] { choose(m_yShow, m_yHide); });
    connect(m_yHide, &QAction::triggered, this, [this] { choose(m_yHide, m_yShow); });

    QMenu* legend = MenuFrame::addMenu(options, legendMenuText(), QStringLiteral("XJTAI"));
    MenuFrame::moveBefore(options, legend->menuAction(), grid);
    m_legendShow = checkItem(legend, showText(), QStringLiteral("XSURU"), true);
    m_legendHide = checkItem(legend, hideText(), QStringLiteral("XSINAI"), false);
    connect(m_legendShow, &QAction::triggered, this, [this] { choose(m_legendShow, m_legendHide); });
    connect(m_legendHide, &QAction::triggered, this, [this] { choose(m_legendHide, m_legendShow); });
}

zel::ScatterKind sanpuzu::currentKind() const {
    const zel::ScatterKindRow* row = zel::findScatterKind(m_kinds->currentText().toStdString());
    return row ? row->kind : zel::kScatterInitialKind;
}

bool sanpuzu::computeRegressions() {
    zel::Workspace& ws = context().workspace();
    const zel::Status computed = zel::computeRegressionResults(ws.analysisSet, ws.regression);
    if (!computed) {
        MessageBox::refusal(this, QString::fromStdString(computed.message()), captionText());
        return false;
    }
    // The panel shows series 1.
    m_set->setText(signedText(chart()->model().currentSeries()));
    showSeries(1);
    return true;
}

void sanpuzu::showSeries(int series) {
    const std::vector<zel::Regression>& regs = context().workspace().regression.series;
    const auto i = static_cast<std::size_t>(series - 1);
    if (i >= regs.size()) return;
    m_r->setText(signedText(regs[i].r));
    m_a->setText(signedText(regs[i].a));
    m_b->setText(signedText(regs[i].b));
    m_sigma->setText(signedText(regs[i].sigma));
}

void sanpuzu::onHit(int series, int point) {
    zel::ChartModel& m = chart()->model();
    const zel::AnalysisSet& set = context().workspace().analysisSet;
    const auto x = static_cast<std::size_t>(series);
    const auto i = static_cast<std::size_t>(point - 1);
    if (x >= set.values.size() || i >= set.values[x].size()) return;
    if (!m.setCurrentSeries(series) || !m.setCurrentPoint(point)) return;
    m_set->setText(signedText(series));
    m_pointY->setText(signedText(m.pointValue()));
    showSeries(series);
    m_pointX->setText(signedText(set.values[x][i]));
}

void sanpuzu::rerunAndOpen(zel::WindowId refilled, zel::WindowId opened) {
    computeRegressions();
    if (ZelWindow::find(refilled)) openTable(context(), refilled);
    openTable(context(), opened);
}

void sanpuzu::openAnalysisOfVariance() {
    rerunAndOpen(zel::WindowId::kaityo, zel::WindowId::kaibun);
}

void sanpuzu::openLineInformation() {
    rerunAndOpen(zel::WindowId::kaibun, zel::WindowId::kaityo);
}

zel::TitleContext sanpuzu::titleContext() const {
    return zel::scatterTitleContext(context().workspace().analysisSet, currentKind());
}

std::optional<GraphWindow::ChartFill> sanpuzu::chartFill(int index) {
    if (index != 0) return std::nullopt;
    const zel::ScatterKind kind = currentKind();
    zel::Workspace& ws = context().workspace();
    // Every drawing of the fitted curve asks its degree first.
    const int degree =
        zel::scatterKind(kind).fittedCurve ? TAKOJI::ask(context(), this) : zel::kScatterDefaultDegree;
    const zel::ScatterOptions options =
        zel::scatterOptions(ws.analysisSet, m_legendShow->isChecked(), degree);
    return [&ws, kind, options](zel::ChartModel& model) {
        zel::fillScatterChart(model, ws.analysisSet, ws.regression.series, kind, options);
    };
}

void sanpuzu::closeEvent(QCloseEvent* e) {
    GraphWindow::closeEvent(e);
    if (e->isAccepted()) ZelWindow::closeWindows(std::span<const zel::WindowId>(kTables));
}

ZelWindow* openSanpuzu(MainContext& context) {
    if (context.workspace().analysisSet.n < 2) {
        MessageBox::refusal(context.mainWindow(), QString::fromUtf8(zel::kRegressionTooFewSamples),
                            sanpuzu::captionText());
        return nullptr;
    }
    return ZelWindow::open<sanpuzu>(context);
}

zel::PointSamples sanpuzu::pointSamples(int index) const {
    return index == 0 ? context().workspace().analysisSet.samples : zel::PointSamples{};
}
