// The control-chart window frame: the side panels, the twips layout of one or
// two charts, the fill of each chart from the chart data set, point clicks and
// kind changes.
#include "analysis/control/ControlChartWindow.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/RunRulesDialog.h"
#include "common/NumberText.h"
#include "components/chart/ChartView.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using zel::px;

// Object names of each chart's ten panel controls, top to bottom.
const QStringList& panelNames(int chart) {
    static const QStringList first = {QStringLiteral("Label2"), QStringLiteral("Textpoint"),
                                      QStringLiteral("Label3"), QStringLiteral("Text1"),
                                      QStringLiteral("Label5"), QStringLiteral("Text2"),
                                      QStringLiteral("Label6"), QStringLiteral("Text3"),
                                      QStringLiteral("Label4"), QStringLiteral("graphs")};
    static const QStringList second = {QStringLiteral("Label11"), QStringLiteral("Text8"),
                                       QStringLiteral("Label9"),  QStringLiteral("Textcl"),
                                       QStringLiteral("Label8"),  QStringLiteral("Textucl"),
                                       QStringLiteral("Label7"),  QStringLiteral("Textlcl"),
                                       QStringLiteral("Label12"), QStringLiteral("Combo1")};
    return chart == 0 ? first : second;
}

QFont panelFont() {
    QFont f(QStringLiteral("Noto Sans CJK JP"));
    f.setPixelSize(12);
    return f;
}

} // namespace

ControlChartWindow::ControlChartWindow(MainContext& context, const ControlChartDesign& design,
                                       QWidget* parent)
    : GraphWindow(context, design.frame, parent), m_design(design) {
    const int count = chartCount();
    for (int i = 0; i < count; ++i) {
        buildPanel(i, panelNames(i));
        ChartView* view = chart(i);
        view->model().setHitReporting(1);
        connect(view, &ChartView::HotHit, this,
                [this, i](int series, int point) { onHit(i, series, point); });
    }
    showLines();
    // The run rules: chosen in their dialog, judged at every drawing.
    connect(MenuFrame::addItem(optionsMenu(), RunRulesDialog::menuText(), runRulesItemName()),
            &QAction::triggered, this, [this] {
                if (RunRulesDialog::ask(this)) redraw();
            });
    m_ruleInputs.resize(static_cast<std::size_t>(count));
    buildRuleList();
    // The design before the first layout: the charts left of the panel.
    const int chartWidth = px(kPanelLeft - 300);
    const int chartHeight = count == 1 ? px(4000) : px(2400);
    for (int i = 0; i < count; ++i)
        chart(i)->setGeometry(px(120), px(120) + i * (chartHeight + px(80)), chartWidth, chartHeight);
}

ControlChartWindow::~ControlChartWindow() = default;

void ControlChartWindow::buildPanel(int chart, const QStringList& names) {
    Panel panel;
    const QStringList captions = {valueLabelText(), centreLabelText(), upperLabelText(), lowerLabelText(),
                                  kindLabelText()};
    const QFont font = panelFont();
    for (int k = 0; k < names.size(); ++k) {
        QWidget* w = nullptr;
        if (k % 2 == 0 && k < 8) {
            // A caption above its box.
            auto* label = new QLabel(captions[k / 2], client());
            panel.labels.append(label);
            w = label;
        } else if (k == 8) {
            auto* label = new QLabel(captions[4], client());
            panel.labels.append(label);
            w = label;
        } else if (k == 9) {
            auto* list = new QComboBox(client());
            list->setEditable(false);
            for (const std::string& kind : zel::controlChartKinds())
                list->addItem(QString::fromStdString(kind));
            list->setCurrentText(QString::fromUtf8(zel::kLineKind));
            if (m_design.enteredLimitsKind) list->addItem(QString::fromUtf8(zel::kEnteredLimitsKind));
            list->setMaxVisibleItems(11);
            connect(list, &QComboBox::currentIndexChanged, this, [this, chart] { onKindChanged(chart); });
            panel.kinds = list;
            w = list;
        } else {
            QLineEdit* box = addReadout(names[k]);
            if (k == 1)
                panel.value = box;
            else
                panel.lines[(k - 3) / 2] = box;
            w = box;
        }
        w->setObjectName(names[k]);
        w->setFont(font);
        const double height = k == 9 ? kKindListHeight : k % 2 == 0 ? kCaptionHeight : kReadoutHeight;
        placePanelControl(w, kPanelTop + k * kPanelStep, height);
        panel.column.append(w);
    }
    m_panels.append(panel);
}

QLineEdit* ControlChartWindow::valueBox(int chart) const {
    return chart >= 0 && chart < m_panels.size() ? m_panels[chart].value : nullptr;
}

QLineEdit* ControlChartWindow::lineBox(int chart, int column) const {
    if (chart < 0 || chart >= m_panels.size() || column < 0 || column > 2) return nullptr;
    return m_panels[chart].lines[column];
}

QComboBox* ControlChartWindow::kindList(int chart) const {
    return chart >= 0 && chart < m_panels.size() ? m_panels[chart].kinds : nullptr;
}

const zel::ChartDataSet& ControlChartWindow::chartData() const {
    return context().workspace().chartData;
}

void ControlChartWindow::showLines() {
    const zel::ControlLines& lines = chartData().lines;
    for (int i = 0; i < m_panels.size() && i < 2; ++i)
        for (int c = 0; c < 3; ++c)
            m_panels[i].lines[c]->setText(
                QString::fromStdString(zel::signedNumberText(lines[static_cast<std::size_t>(i)][c])));
}

bool ControlChartWindow::prepareInput(int, zel::ControlChartInput&) {
    return true;
}

std::optional<GraphWindow::ChartFill> ControlChartWindow::chartFill(int index) {
    if (index < 0 || index >= m_panels.size()) return std::nullopt;
    zel::ControlChartInput input = inputFor(index);
    input.kind = m_panels[index].kinds->currentText().toStdString();
    if (!prepareInput(index, input)) return std::nullopt;
    m_ruleInputs[static_cast<std::size_t>(index)] = input;
    showRuleList();
    return [input = std::move(input), rules = storedRunRules(zel::appSettings())](zel::ChartModel& model) {
        if (zel::fillControlChart(model, input)) zel::flagRunRules(model, input, rules);
    };
}

void ControlChartWindow::onHit(int chartIndex, int series, int point) {
    ChartView* view = chart(chartIndex);
    if (!view) return;
    zel::ChartModel& m = view->model();
    if (!m.setCurrentSeries(series) || !m.setCurrentPoint(point)) return;
    m_panels[chartIndex].value->setText(QString::fromStdString(zel::signedNumberText(m.pointValue())));
    if (m_design.redrawOnClick) redrawChart(chartIndex);
}

zel::PointSamples ControlChartWindow::pointSamples(int index) const {
    return index >= 0 && index < chartCount() ? chartData().samples : zel::PointSamples{};
}

int ControlChartWindow::sampleSeries(int index) const {
    const ChartView* view = chart(index);
    return view ? zel::controlDataSeries(view->model()) : 1;
}

void ControlChartWindow::buildRuleList() {
    m_ruleWindow = new QWidget(this, Qt::Tool);
    m_ruleWindow->setObjectName(QStringLiteral("ruleWindow"));
    m_ruleWindow->setWindowTitle(ruleListCaptionText());
    auto* layout = new QVBoxLayout(m_ruleWindow);
    layout->setContentsMargins(4, 4, 4, 4);
    m_ruleList = new QTableWidget(0, static_cast<int>(ruleListHeadingTexts().size()), m_ruleWindow);
    m_ruleList->setObjectName(QStringLiteral("ruleList"));
    m_ruleList->setHorizontalHeaderLabels(ruleListHeadingTexts());
    m_ruleList->verticalHeader()->hide();
    m_ruleList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ruleList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ruleList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ruleList->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_ruleList);
    m_ruleWindow->resize(560, 220);
    connect(m_ruleList, &QTableWidget::cellClicked, this, [this](int row, int) { selectFlaggedPoint(row); });
}

void ControlChartWindow::showRuleList() {
    std::vector<zel::ControlChartInput> charts;
    for (const std::optional<zel::ControlChartInput>& input : m_ruleInputs)
        charts.push_back(input.value_or(zel::ControlChartInput{}));
    std::vector<zel::FlaggedPoint> flagged = zel::flaggedPoints(charts, storedRunRules(zel::appSettings()));
    // A redraw of the same points (a click on xrkanri redraws its chart) keeps
    // the list and the line chosen in it.
    if (flagged == m_flagged && m_ruleList->rowCount() == static_cast<int>(flagged.size())) return;
    m_flagged = std::move(flagged);
    m_ruleList->setRowCount(static_cast<int>(m_flagged.size()));
    for (std::size_t r = 0; r < m_flagged.size(); ++r) {
        const zel::FlaggedPoint& f = m_flagged[r];
        const QString cells[] = {QString::number(f.chart), QString::number(f.point),
                                 QString::fromStdString(f.label),
                                 QString::fromStdString(zel::joinedRuleNumbers(f.rules, ',')),
                                 QString::fromStdString(f.explanation())};
        for (int c = 0; c < static_cast<int>(std::size(cells)); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c < 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_ruleList->setItem(static_cast<int>(r), c, item);
        }
    }
    m_ruleList->resizeColumnsToContents();
    m_ruleList->horizontalHeader()->setStretchLastSection(true);
    if (m_flagged.empty()) {
        m_ruleWindow->hide();
    } else if (!m_ruleWindow->isVisible()) {
        // Beside the window's right edge, in its lower half (placed once shown,
        // when its frame is known).
        m_ruleWindow->show();
        placeBeside(m_ruleWindow, frameGeometry().height() / 2);
    }
}

void ControlChartWindow::selectFlaggedPoint(int row) {
    if (row < 0 || row >= static_cast<int>(m_flagged.size())) return;
    const zel::FlaggedPoint& f = m_flagged[static_cast<std::size_t>(row)];
    ChartView* view = chart(f.chart - 1);
    if (!view) return;
    onHit(f.chart - 1, zel::controlDataSeries(view->model()), f.point);
}

void ControlChartWindow::onKindChanged(int chartIndex) {
    redrawChart(chartIndex);
}

void ControlChartWindow::layoutClient(QSizeF twips) {
    const double sw = twips.width();
    const double sh = twips.height();
    if (chartCount() == 1) {
        // One chart: at 100, 100; the panel follows the right edge.
        ChartView* c = chart(0);
        QRect r = c->geometry();
        r.moveTo(px(100), px(100));
        if (sw - 2300 > 500) {
            r.setWidth(px(sw - 2300));
            for (QWidget* w : m_panels[0].column)
                w->move(px(sw - 2080), w->y());
        }
        if (sh - 200 > 500) r.setHeight(px(sh - 200));
        c->setGeometry(r);
        return;
    }
    // Two charts one above the other, each with its panel on the right.
    const double secondTop = (sh + 120) / 2;
    QRect first = chart(0)->geometry();
    QRect second = chart(1)->geometry();
    first.moveTo(px(120), px(120));
    second.moveTo(px(120), px(secondTop));
    const bool wide = sw - 2250 > 0;
    if (wide) {
        first.setWidth(px(sw - 2250));
        second.setWidth(px(sw - 2250));
    }
    if ((sh - 320) / 2 > 0) {
        first.setHeight(px((sh - 320) / 2));
        second.setHeight(px((sh - 320) / 2));
    }
    chart(0)->setGeometry(first);
    chart(1)->setGeometry(second);
    for (int i = 0; i < 2; ++i) {
        const double top = i == 0 ? kPanelTop : secondTop;
        const QList<QWidget*>& column = m_panels[i].column;
        for (int k = 0; k < column.size(); ++k) {
            QWidget* w = column[k];
            const int left = wide ? px(sw - 2050) : w->x();
            w->move(left, px(top + k * kPanelStep));
        }
    }
}
