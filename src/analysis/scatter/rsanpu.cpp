// rsanpu: the three-dimensional scatter window.
#include "analysis/scatter/rsanpu.h"

#include "analysis/AnalysisSet.h"
#include "common/NumberText.h"
#include "components/chart/ChartView.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace {

const GraphWindowSpec kDesign{
    .window = zel::WindowId::rsanpu,
    .caption = rsanpu::captionText(),
    .chartCount = 1,
    .printColourName = QStringLiteral("fcolor"),
    .optionsName = QStringLiteral("sanop"),
    .titlesName = QStringLiteral("santai"),
    .viewName = QStringLiteral("rssitens"),
    .gridName = QStringLiteral("rsgriset"),
    .alsoCloses = {zel::WindowId::dobun, zel::WindowId::hensi1, zel::WindowId::hensi2, zel::WindowId::hensi3},
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// The panel's captions are named as designed, not in row order.
void renameCaption(QWidget* client, const QString& from, const QString& to) {
    if (auto* label = client->findChild<QLabel*>(from, Qt::FindDirectChildrenOnly)) label->setObjectName(to);
}

} // namespace

rsanpu::rsanpu(MainContext& context, QWidget* parent) : GraphWindow(context, kDesign, parent) {
    m_series = addReadoutField(0, seriesLabelText(), QStringLiteral("Textset"));
    m_y = addReadoutField(1, yLabelText(), QStringLiteral("Textpoint"));
    m_x = addReadoutField(2, xLabelText(), QStringLiteral("Text5"));
    renameCaption(client(), QStringLiteral("Label3"), QStringLiteral("Label9"));
    m_z = addReadoutField(3, zLabelText(), QStringLiteral("Text1"));
    renameCaption(client(), QStringLiteral("Label4"), QStringLiteral("Label3"));
    QStringList kinds;
    for (const std::string& k : zel::scatter3DKindList())
        kinds << text(k);
    m_kinds = addKindList(kindLabelText(), QStringLiteral("Label4"), kinds,
                          QString::fromUtf8(zel::kScatter3DMarkersKind));

    if (QAction* titles = MenuFrame::findItem(optionsMenu(), design().titlesName))
        titles->setText(titlesMenuText());

    placeSingleChart();
    ChartView* view = chart(0);
    m_series->setText(text(zel::signedNumberText(view->model().currentSeries())));
    view->model().setHitReporting(1);
    connect(view, &ChartView::HotHit, this, &rsanpu::onHit);
    connect(m_kinds, &QComboBox::currentIndexChanged, this, [this] { redrawChart(0); });
}

zel::Scatter3DKind rsanpu::kind() const {
    return zel::findScatter3DKind(m_kinds->currentText().toStdString()).value_or(zel::Scatter3DKind::Markers);
}

zel::TitleContext rsanpu::titleContext() const {
    return zel::scatter3DTitleContext(context().workspace().analysisSet);
}

std::optional<GraphWindow::ChartFill> rsanpu::chartFill(int index) {
    if (index != 0) return std::nullopt;
    const zel::AnalysisSet& set = context().workspace().analysisSet;
    // The chart keeps its drawing when the set holds nothing it can show; the
    // user hears of it once, not at every resize.
    if (!zel::canFillScatter3D(set)) {
        if (!std::exchange(m_refusalShown, true)) MessageBox::refusal(this, cannotDrawText(), captionText());
        return std::nullopt;
    }
    return [&set, k = kind()](zel::ChartModel& model) { zel::fillScatter3DChart(model, set, k); };
}

void rsanpu::onHit(int series, int point) {
    zel::ChartModel& m = chart(0)->model();
    if (!m.setCurrentSeries(series) || !m.setCurrentPoint(point)) return;
    const std::optional<zel::Scatter3DReadout> r =
        zel::scatter3DReadout(context().workspace().analysisSet, series, point, m.pointValue());
    if (!r) return;
    m_series->setText(text(r->series));
    m_y->setText(text(r->y));
    m_x->setText(text(r->x));
    m_z->setText(text(r->z));
}

ZelWindow* openRsanpu(MainContext& context) {
    return ZelWindow::open<rsanpu>(context);
}

zel::PointSamples rsanpu::pointSamples(int index) const {
    return index == 0 ? context().workspace().analysisSet.samples : zel::PointSamples{};
}
