// hakohg: the comparison graph window.
#include "analysis/statistics/hakohg.h"

#include "analysis/statistics/Stratification.h"
#include "analysis/statistics/VariableStatistics.h"
#include "components/chart/ChartView.h"
#include "windowkit/MainContext.h"
#include "windowkit/WindowGeometry.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

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
    QStringList kinds;
    for (const std::string& kind : zel::comparisonKindList(m_stratified))
        kinds << text(kind);
    m_kinds = addKindList(kindLabelText(), QStringLiteral("Label8"), kinds,
                          QString::fromUtf8(zel::kStatisticsFigureKind));
    m_set = addReadoutField(0, setLabelText(), QStringLiteral("Textset"));
    m_max = addReadoutField(1, maxLabelText(), QStringLiteral("maxtxt"));
    m_min = addReadoutField(2, minLabelText(), QStringLiteral("mintxt"));
    m_mean = addReadoutField(3, meanLabelText(), QStringLiteral("Text1"));
    m_variance = addReadoutField(4, varianceLabelText(), QStringLiteral("Text2"));
    m_sd = addReadoutField(5, sdLabelText(), QStringLiteral("Text3"));
    m_count = addReadoutField(6, countLabelText(), QStringLiteral("Text4"));

    placeSingleChart();
    ChartView* view = chart(0);
    view->model().setHitReporting(1);
    connect(view, &ChartView::HotHit, this, [this](int, int point) { pointClicked(point); });
    connect(m_kinds, &QComboBox::currentIndexChanged, this, [this] { redrawChart(0); });

    // The fields show the chart's current set: series 1.
    m_source = readSource();
    showReadout(1);
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
