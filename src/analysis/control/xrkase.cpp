// xrkase: the loaded control lines, confirmed before the chart is drawn with them.
#include "analysis/control/xrkase.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlChartFill.h"
#include "analysis/control/ControlReports.h"
#include "analysis/control/ControlWindows.h"
#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

namespace {

using zel::px;
using zel::twipsOf;


} // namespace

QStringList xrkase::columnHeadings(zel::AnalysisId analysis) {
    switch (analysis) {
    case zel::AnalysisId::XbarR:
        return {QStringLiteral("平均値管理線"), QStringLiteral("範囲管理線")};
    case zel::AnalysisId::PPn:
        return {QStringLiteral("不良率管理線"), QStringLiteral("不良個数管理線")};
    case zel::AnalysisId::XRs:
        return {QStringLiteral("測定値管理線"), QStringLiteral("移動範囲管理線")};
    default:
        return {QString(), QString()};
    }
}

xrkase::xrkase(MainContext& context, zel::AnalysisId analysis, QWidget* parent)
    : ZelWindow(zel::WindowId::xrkase, parent), m_context(context), m_analysis(analysis) {
    setWindowTitle(captionText());

    m_prompt = new QLabel(promptText(), this);
    m_prompt->setObjectName(QStringLiteral("Label1"));
    m_prompt->setGeometry(px(100), px(100), px(6000), px(300));

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("grid1"));
    m_grid->setEnterToWindow(true); // Enter outside an edit is "OK"
    m_grid->setColumnCount(2);
    m_grid->setRowCount(3);
    m_grid->setCurrentCol(-1);
    m_grid->setCurrentRow(-1);
    m_grid->setCellType(DataGrid::CellType::Real);
    m_grid->setDecimalPlaces(tableDecimals(zel::controlTableWindow(analysis)));
    for (int c = 0; c <= 2; ++c)
        m_grid->setColumnWidthAt(c, 16);
    const QStringList headings = columnHeadings(analysis);
    m_grid->setText(0, 0, QString());
    m_grid->setText(1, 0, headings.value(0));
    m_grid->setText(2, 0, headings.value(1));
    const QStringList rows{QStringLiteral("CL"), QStringLiteral("UCL"), QStringLiteral("LCL")};
    const zel::ControlLines& loaded = context.workspace().chartData.loadedLines;
    for (int k = 0; k < 3; ++k) {
        m_grid->setText(0, k + 1, rows.at(k));
        for (int j = 0; j < 2; ++j)
            m_grid->setText(j + 1, k + 1,
                            QString::fromStdString(zel::signedNumberText(
                                loaded[static_cast<std::size_t>(j)][static_cast<std::size_t>(k)])));
    }
    m_grid->setCurrentCol(1);
    m_grid->setCurrentRow(1);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    connect(m_ok, &QPushButton::clicked, this, &xrkase::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);

    // Design places; the resize rule takes over from here.
    m_grid->setGeometry(px(100), px(420), px(5800), px(1800));
    m_ok->setGeometry(px(3400), px(2400), px(1170), px(400));
    m_cancel->setGeometry(px(4730), px(2400), px(1170), px(400));
    resize(px(6000), px(3000));
}

void xrkase::resizeEvent(QResizeEvent* e) {
    ZelWindow::resizeEvent(e);
    layoutClient(twipsOf(width()), twipsOf(height()));
}

void xrkase::layoutClient(double sw, double sh) {
    m_grid->move(px(100), px(420));
    if (sw - 200 > 500) m_grid->resize(px(sw - 200), m_grid->height());
    if (sh - 1120 > 500) m_grid->resize(m_grid->width(), px(sh - 1120));
    if (sw - 2600 > 0) {
        m_ok->move(px(sw - 2600), m_ok->y());
        m_cancel->move(px(sw - 1270), m_cancel->y());
    }
    if (sh - 1120 > 500) {
        m_ok->move(m_ok->x(), px(sh - 600));
        m_cancel->move(m_cancel->x(), px(sh - 600));
    }
}

void xrkase::onOk() {
    MainContext& context = m_context;
    zel::ChartDataSet& cds = context.workspace().chartData;
    const zel::AnalysisId analysis = m_analysis;
    if (analysis == zel::AnalysisId::PPn) {
        // The pn chart's centre line is the loaded p-bar times each lot's size.
        zel::ChartDataSet loaded = cds;
        loaded.lines = loaded.loadedLines;
        for (int chart = 0; chart < 2; ++chart) {
            const zel::Status drawable = zel::checkFiniteInput(zel::pPnInput(loaded, chart, true));
            if (!drawable) {
                MessageBox::refusal(this, QString::fromStdString(drawable.message()), windowTitle());
                return;
            }
        }
    }
    cds.lines = cds.loadedLines;
    const std::optional<zel::WindowId> table = zel::controlTableWindow(analysis);
    if (const std::optional<zel::WindowId> chart = zel::graphWindow(analysis))
        if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(*chart)) open(context);
    if (table) ZelWindow::closeWindows({*table});
    close();
}
