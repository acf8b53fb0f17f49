// The frame of the kind-list graph windows: panel, shared menu items, point
// clicks, separation and the scale dialog.
#include "analysis/SeriesGraphWindow.h"

#include "analysis/histogram/HistogramFill.h"
#include "analysis/histogram/MEMORIH.h"
#include "common/NumberText.h"
#include "components/chart/ChartView.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/MessageBox.h"

#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

using MenuFrame::addItem;

// The chart's HitKind of the gesture that pops the separation menu up.
constexpr int kMenuHit = 3;

QString signedText(double v) {
    return QString::fromStdString(zel::signedNumberText(v));
}

QString utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

SeriesGraphWindow::SeriesGraphWindow(MainContext& context, const GraphWindowSpec& design,
                                     const SeriesGraphNames& names, QWidget* parent)
    : GraphWindow(context, design, parent) {
    buildPanel();
    buildMenus(names);
    chart()->model().setHitReporting(1);
    connect(chart(), &ChartView::HotHit, this, &SeriesGraphWindow::onHit);
    placeSingleChart();
}

void SeriesGraphWindow::buildPanel() {
    const QStringList captions = {QStringLiteral("変数ナンバー"), QStringLiteral("データ値"),
                                  QStringLiteral("平均"), QStringLiteral("分散"), QStringLiteral("標準偏差")};
    const QStringList boxes = {QStringLiteral("Textset"), QStringLiteral("Textpoint"),
                               QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3")};
    // A caption above each box from the top, the kind list last.
    int row = 0;
    const auto place = [&](QWidget* w, double height) {
        placePanelControl(w, kPanelTop + row++ * kPanelStep, height);
    };
    for (int i = 0; i < captions.size(); ++i) {
        auto* label = new QLabel(captions[i], client());
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        place(label, kCaptionHeight);
        QLineEdit* box = addReadout(boxes[i]);
        place(box, kReadoutHeight);
        if (i == 0)
            m_set = box;
        else if (i == 1)
            m_point = box;
        else
            m_stats[i - 2] = box;
    }
    auto* kindLabel = new QLabel(QStringLiteral("グラフ種類"), client());
    kindLabel->setObjectName(QStringLiteral("Label6"));
    place(kindLabel, kCaptionHeight);
    m_kinds = new QComboBox(client());
    m_kinds->setObjectName(QStringLiteral("graphs"));
    place(m_kinds, kKindListHeight);
}

void SeriesGraphWindow::startPanel(const std::vector<std::string_view>& kinds, std::string_view first) {
    {
        const QSignalBlocker block(m_kinds);
        for (std::string_view k : kinds)
            m_kinds->addItem(utf8(k));
        m_kinds->setMaxVisibleItems(static_cast<int>(kinds.size()));
        m_kinds->setCurrentText(utf8(first));
    }
    // A long kind name is cut off in the box; its tool tip reads whole.
    m_kinds->setToolTip(m_kinds->currentText());
    connect(m_kinds, &QComboBox::currentTextChanged, m_kinds, &QWidget::setToolTip);
    connect(m_kinds, &QComboBox::currentIndexChanged, this, [this] { redrawChart(0); });
    m_set->setText(signedText(1));
    showSeries(1);
    m_point->clear();
}

QAction* SeriesGraphWindow::checkItem(QMenu* menu, const QString& text, const QString& name, bool checked) {
    QAction* a = addItem(menu, text, name);
    a->setCheckable(true);
    a->setChecked(checked);
    return a;
}

void SeriesGraphWindow::choose(QAction* on, QAction* off) {
    on->setChecked(true);
    off->setChecked(false);
    redrawChart(0);
}

bool SeriesGraphWindow::legendShown() const {
    return m_show->isChecked();
}

void SeriesGraphWindow::buildMenus(const SeriesGraphNames& names) {
    QMenu* options = optionsMenu();
    QAction* titles = MenuFrame::findItem(options, design().titlesName);
    QAction* grid = MenuFrame::findItem(options, design().gridName);

    m_scale = addItem(options, scaleText(), names.scale);
    MenuFrame::moveBefore(options, m_scale, titles);
    connect(m_scale, &QAction::triggered, this, &SeriesGraphWindow::openScale);

    m_legend = MenuFrame::addMenu(options, names.legendText, names.legend);
    MenuFrame::moveBefore(options, m_legend->menuAction(), MenuFrame::findItem(options, design().viewName));
    m_show = checkItem(m_legend, showText(), names.show, true);
    m_hide = checkItem(m_legend, hideText(), names.hide, false);
    connect(m_show, &QAction::triggered, this, [this] { choose(m_show, m_hide); });
    connect(m_hide, &QAction::triggered, this, [this] { choose(m_hide, m_show); });

    m_separation = MenuFrame::addMenu(options, separationMenuText(), names.separation);
    if (names.separationBeforeGrid) MenuFrame::moveBefore(options, m_separation->menuAction(), grid);
    connect(addItem(m_separation, separateText(), names.separate), &QAction::triggered, this,
            [this] { separate(true); });
    connect(addItem(m_separation, joinText(), names.join), &QAction::triggered, this,
            [this] { separate(false); });
}

void SeriesGraphWindow::resetScale() {
    m_scaleUpper = 0.0;
    m_scaleLower = 0.0;
}

void SeriesGraphWindow::showSeries(int series) {
    const std::vector<zel::SeriesStatistics>& stats = seriesStatistics();
    const auto i = static_cast<std::size_t>(series - 1);
    if (i >= stats.size()) return;
    m_stats[0]->setText(signedText(stats[i].mean));
    m_stats[1]->setText(signedText(stats[i].variance));
    m_stats[2]->setText(signedText(stats[i].sd));
}

void SeriesGraphWindow::onHit(int series, int point) {
    zel::ChartModel& m = chart()->model();
    if (series <= seriesCount() && m.setCurrentSeries(series) && m.setCurrentPoint(point)) {
        m_set->setText(signedText(series));
        m_point->setText(signedText(m.pointValue()));
        showSeries(series);
    }
    m_lastPoint = point;
    if (m.hitKind() == kMenuHit && zel::popsSeparationMenu(m_kinds->currentText().toStdString()))
        m_separation->popup(QCursor::pos());
}

void SeriesGraphWindow::separate(bool apart) {
    if (m_lastPoint < 1) {
        MessageBox::refusal(this, apart ? separateMissingText() : joinMissingText(), separationTitleText());
        return;
    }
    chart()->model().setPointSeparatedAt(m_lastPoint, apart ? 1 : 0);
    drawCharts();
}

void SeriesGraphWindow::openScale() {
    if (m_scaleUpper == 0.0 && m_scaleLower == 0.0) {
        const ScaleRange seed = scaleSeed();
        m_scaleUpper = seed.upper;
        m_scaleLower = seed.lower;
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
