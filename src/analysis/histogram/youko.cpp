// The histogram window: its panel, kind list and menus, the fill of its chart
// from the Class table, point clicks, separation and the two dialogs.
#include "analysis/histogram/youko.h"

#include "analysis/histogram/MEMORIH.h"
#include "analysis/histogram/kikaku.h"
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
    .window = zel::WindowId::youko,
    .caption = youko::captionText(),
    .chartCount = 1,
    .optionsName = QStringLiteral("gore"),
    .titlesName = QStringLiteral("titles"),
    .viewName = QStringLiteral("pasitens"),
    .gridName = QStringLiteral("pagriset"),
    .alsoCloses = {zel::WindowId::dobun},
};

// Twips of the panel: a caption above each box, the kind list last.
constexpr double kPanelTop = 120;
constexpr double kPanelStep = 270;
constexpr double kPanelWidth = 2000;
constexpr double kDesignPanelLeft = 6345;

QString signedText(double v) {
    return QString::fromStdString(zel::signedNumberText(v));
}

QAction* findItem(QMenu* menu, const QString& name) {
    for (QAction* a : menu->actions())
        if (a->objectName() == name) return a;
    return nullptr;
}

// Moves the last item of menu before `before` (appended by MenuFrame).
void moveBefore(QMenu* menu, QAction* item, QAction* before) {
    menu->removeAction(item);
    menu->insertAction(before, item);
}

} // namespace

youko::youko(MainContext& context, QWidget* parent) : GraphWindow(context, kDesign, parent) {
    zel::Workspace& ws = context.workspace();
    // Opening: no class is classified.
    ws.classFlags.assign(static_cast<std::size_t>(std::max(ws.classTable.classes, 0)),
                         zel::classflags::kNone);
    buildPanel();
    buildMenus();
    chart()->model().setHitReporting(1);
    connect(chart(), &ChartView::HotHit, this, &youko::onHit);
    m_set->setText(signedText(1));
    showSeries(1);
    m_point->clear();
    const QSignalBlocker block(m_kinds);
    m_kinds->setCurrentText(QString::fromUtf8(zel::initialHistogramKind(ws.classTable.seriesCount()).data()));
    chart()->setGeometry(px(100), px(100), px(kDesignPanelLeft - 300), px(4000));
}

youko::~youko() = default;

void youko::buildPanel() {
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
    for (const zel::HistogramKind& k : zel::histogramKinds())
        m_kinds->addItem(QString::fromUtf8(k.name.data(), static_cast<int>(k.name.size())));
    m_kinds->setMaxVisibleItems(static_cast<int>(zel::kHistogramKindCount));
    place(m_kinds, 330);
    connect(m_kinds, &QComboBox::currentIndexChanged, this, [this] { redrawChart(0); });
}

QAction* youko::checkItem(QMenu* menu, const QString& text, const QString& name, bool checked) {
    QAction* a = addItem(menu, text, name);
    a->setCheckable(true);
    a->setChecked(checked);
    return a;
}

void youko::choose(QAction* on, QAction* off) {
    on->setChecked(true);
    off->setChecked(false);
    redrawChart(0);
}

void youko::buildMenus() {
    QMenu* options = optionsMenu();
    QAction* titles = findItem(options, QStringLiteral("titles"));
    QAction* view = findItem(options, QStringLiteral("pasitens"));
    QAction* grid = findItem(options, QStringLiteral("pagriset"));

    m_scale = addItem(options, scaleText(), QStringLiteral("memorore"));
    moveBefore(options, m_scale, titles);
    connect(m_scale, &QAction::triggered, this, &youko::openScale);

    m_legend = MenuFrame::addMenu(options, legendMenuText(), QStringLiteral("hishan"));
    options->removeAction(m_legend->menuAction());
    options->insertMenu(view, m_legend);
    m_show = checkItem(m_legend, showText(), QStringLiteral("hanari"), true);
    m_hide = checkItem(m_legend, hideText(), QStringLiteral("hannasi"), false);
    connect(m_show, &QAction::triggered, this, [this] { choose(m_show, m_hide); });
    connect(m_hide, &QAction::triggered, this, [this] { choose(m_hide, m_show); });

    m_labels = MenuFrame::addMenu(options, labelMenuText(), QStringLiteral("palabe"));
    options->removeAction(m_labels->menuAction());
    options->insertMenu(grid, m_labels);
    m_mid = checkItem(m_labels, midLabelText(), QStringLiteral("pahei"), false);
    m_range = checkItem(m_labels, rangeLabelText(), QStringLiteral("pajk"), true);
    connect(m_mid, &QAction::triggered, this, [this] { choose(m_mid, m_range); });
    connect(m_range, &QAction::triggered, this, [this] { choose(m_range, m_mid); });

    m_separation = MenuFrame::addMenu(options, separationMenuText(), QStringLiteral("ybun"));
    options->removeAction(m_separation->menuAction());
    options->insertMenu(grid, m_separation);
    connect(addItem(m_separation, separateText(), QStringLiteral("bunri")), &QAction::triggered, this,
            [this] { separate(true); });
    connect(addItem(m_separation, joinText(), QStringLiteral("bunrinasi")), &QAction::triggered, this,
            [this] { separate(false); });

    m_classification = addItem(options, classificationText(), QStringLiteral("kikakugs"));
    moveBefore(options, m_classification, grid);
    connect(m_classification, &QAction::triggered, this, &youko::openClassification);
}

zel::HistogramInput youko::input() const {
    return {m_kinds->currentText().toStdString(), m_mid->isChecked(), m_show->isChecked()};
}

zel::TitleContext youko::titleContext() const {
    // The series name under the chart, for the kinds that show it there.
    zel::TitleContext title;
    title.variableNames = {zel::histogramBottomTitle(context().workspace().classTable, input())};
    return title;
}

std::optional<GraphWindow::ChartFill> youko::chartFill(int index) {
    if (index != 0) return std::nullopt;
    m_scaleUpper = 0.0;
    m_scaleLower = 0.0;
    const zel::Workspace& ws = context().workspace();
    const zel::HistogramInput in = input();
    const zel::HistogramKind* kind = zel::findHistogramKind(in.kind);
    const int series = ws.classTable.seriesCount();
    const zel::HistogramMenuState menus =
        kind ? zel::histogramMenuState(*kind, series) : zel::HistogramMenuState{};
    m_scale->setEnabled(menus.scale);
    m_classification->setEnabled(menus.classification);
    m_separation->menuAction()->setEnabled(menus.separation);
    m_legend->menuAction()->setEnabled(menus.legend);
    m_labels->menuAction()->setEnabled(menus.labels);
    m_extremes.take(ws.classTable);
    return [&ws, in](zel::ChartModel& model) {
        zel::fillHistogram(model, ws.classTable, ws.classLabels, ws.classFlags, in);
    };
}

void youko::showSeries(int series) {
    const zel::ClassTable& table = context().workspace().classTable;
    const auto i = static_cast<std::size_t>(series - 1);
    if (i >= table.stats.size()) return;
    const zel::SeriesStatistics& st = table.stats[i];
    m_stats[0]->setText(signedText(st.mean));
    m_stats[1]->setText(signedText(st.variance));
    m_stats[2]->setText(signedText(st.sd));
}

void youko::onHit(int series, int point) {
    zel::ChartModel& m = chart()->model();
    if (series <= context().workspace().classTable.seriesCount() && m.setCurrentSeries(series) &&
        m.setCurrentPoint(point)) {
        m_set->setText(signedText(series));
        m_point->setText(signedText(m.pointValue()));
        showSeries(series);
    }
    m_lastPoint = point;
    if (m.hitKind() == 3 && zel::popsSeparationMenu(m_kinds->currentText().toStdString()))
        m_separation->popup(QCursor::pos());
}

void youko::separate(bool apart) {
    if (m_lastPoint < 1) {
        MessageBox::refusal(this, apart ? separateMissingText() : joinMissingText(), separationTitleText());
        return;
    }
    chart()->model().setPointSeparatedAt(m_lastPoint, apart ? 1 : 0);
    drawCharts();
}

void youko::openScale() {
    if (m_scaleUpper == 0.0 && m_scaleLower == 0.0) {
        m_scaleLower = m_extremes.smallest;
        m_scaleUpper = m_extremes.largest;
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

void youko::openClassification() {
    if (ZelWindow::openModal<kikaku>(context(), this) == QDialog::Accepted) redrawChart(0);
}

ZelWindow* openYouko(MainContext& context) {
    return ZelWindow::open<youko>(context);
}
