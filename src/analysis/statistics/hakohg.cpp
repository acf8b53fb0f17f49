// hakohg: the comparison graph window.
#include "analysis/statistics/hakohg.h"

#include "analysis/statistics/Stratification.h"
#include "analysis/statistics/VariableStatistics.h"
#include "components/chart/ChartView.h"
#include "windowkit/MainContext.h"
#include "windowkit/WindowGeometry.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

using zel::px;

// Twips of the panel column: a caption and its box every 270, 2000 wide.
constexpr double kPanelTop = 120;
constexpr double kPanelStep = 270;
constexpr double kPanelWidth = 2000;
// The kind list is taller than a value box: the fields start below it.
constexpr double kFieldsTop = kPanelTop + 2 * kPanelStep + 120;
// Where the panel stands before the first layout.
constexpr double kDesignPanelLeft = 6345;

// The window's names and captions.
const GraphWindowSpec kDesign{
    .window = zel::WindowId::hakohg,
    .caption = hakohg::captionText(),
    .chartCount = 1,
    .printColourName = QStringLiteral("fcolor"),
    .optionsName = QStringLiteral("oreop"),
    .titlesName = QStringLiteral("titles"),
    .viewName = QString(),
    .gridName = QStringLiteral("hgriset"),
    .alsoCloses = {zel::WindowId::hakoh},
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

hakohg::hakohg(MainContext& context, QWidget* parent)
    : GraphWindow(context, kDesign, parent),
      m_stratified(analysis() == zel::AnalysisId::StratifiedStatistics) {
    auto* kindLabel = new QLabel(kindLabelText(), client());
    kindLabel->setObjectName(QStringLiteral("Label8"));
    kindLabel->setGeometry(px(kDesignPanelLeft), px(kPanelTop), px(kPanelWidth), px(255));
    addPanelControl(kindLabel);
    m_kinds = new QComboBox(client());
    m_kinds->setObjectName(QStringLiteral("graphs"));
    m_kinds->setEditable(false);
    for (const std::string& kind : zel::comparisonKindList(m_stratified))
        m_kinds->addItem(text(kind));
    m_kinds->setCurrentText(QString::fromUtf8(zel::kStatisticsFigureKind));
    m_kinds->setGeometry(px(kDesignPanelLeft), px(kPanelTop + kPanelStep), px(kPanelWidth), px(330));
    addPanelControl(m_kinds);
    m_panelRow = 0;

    addField(setLabelText(), m_set, QStringLiteral("Textset"));
    addField(maxLabelText(), m_max, QStringLiteral("maxtxt"));
    addField(minLabelText(), m_min, QStringLiteral("mintxt"));
    addField(meanLabelText(), m_mean, QStringLiteral("Text1"));
    addField(varianceLabelText(), m_variance, QStringLiteral("Text2"));
    addField(sdLabelText(), m_sd, QStringLiteral("Text3"));
    addField(countLabelText(), m_count, QStringLiteral("Text4"));

    ChartView* view = chart(0);
    view->setGeometry(px(100), px(100), px(kDesignPanelLeft - 300), px(4000));
    view->model().setHitReporting(1);
    connect(view, &ChartView::HotHit, this, [this](int, int point) { pointClicked(point); });
    connect(m_kinds, &QComboBox::currentIndexChanged, this, [this] { redrawChart(0); });

    // The fields show the chart's current set: series 1.
    m_source = readSource();
    showReadout(1);
}

void hakohg::addField(const QString& caption, QLineEdit*& box, const QString& name) {
    auto* label = new QLabel(caption, client());
    label->setObjectName(QStringLiteral("Label%1").arg(m_panelRow / 2 + 1));
    label->setGeometry(px(kDesignPanelLeft), px(kFieldsTop + m_panelRow * kPanelStep), px(kPanelWidth),
                       px(255));
    addPanelControl(label);
    ++m_panelRow;
    box = addReadout(name);
    box->setGeometry(px(kDesignPanelLeft), px(kFieldsTop + m_panelRow * kPanelStep), px(kPanelWidth),
                     px(285));
    ++m_panelRow;
}

zel::ComparisonKind hakohg::kind() const {
    return zel::findComparisonKind(m_kinds->currentText().toStdString(), m_stratified)
        .value_or(zel::ComparisonKind::Statistics);
}

zel::ComparisonSource hakohg::readSource() const {
    const zel::Workspace& ws = context().workspace();
    if (m_stratified)
        return zel::stratifiedComparison(ws.stratifiedSet, zel::stratumStatistics(ws.stratifiedSet));
    return zel::variableComparison(ws.variableStatistics);
}

std::optional<GraphWindow::ChartFill> hakohg::chartFill(int index) {
    if (index != 0) return std::nullopt;
    // The set lives in the workspace until the next analysis replaces it; every
    // redraw draws it as it is.
    m_source = readSource();
    if (m_source.series.empty()) return ChartFill{};
    return [source = m_source, k = kind()](zel::ChartModel& model) {
        zel::fillComparisonChart(model, source, k);
    };
}

void hakohg::pointClicked(int point) {
    const int series = zel::clickedComparisonSeries(m_source, kind(), point);
    if (series < 1 || series > static_cast<int>(m_source.series.size())) return;
    chart(0)->model().setCurrentPoint(series);
    showReadout(series);
}

void hakohg::showReadout(int series) {
    const std::optional<zel::ComparisonReadout> r = zel::comparisonReadout(m_source, series);
    if (!r) return;
    m_set->setText(text(r->set));
    m_max->setText(text(r->max));
    m_min->setText(text(r->min));
    m_mean->setText(text(r->mean));
    m_variance->setText(text(r->variance));
    m_sd->setText(text(r->sd));
    m_count->setText(text(r->count));
}

ZelWindow* openHakohg(MainContext& context) {
    return ZelWindow::open<hakohg>(context);
}
