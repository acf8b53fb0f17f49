// The shared part of the control-chart table windows XR1, XRS1 and p1.
#include "analysis/control/ControlTableWindow.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/LimitsFile.h"
#include "analysis/control/xrload.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QMetaObject>
#include <QPushButton>
#include <QRadioButton>

namespace {

using zel::px;

ResultTableSpec withDecimalSpin(ResultTableSpec design) {
    design.decimalSpin = true;
    return design;
}

} // namespace

ControlTableWindow::ControlTableWindow(MainContext& context, const ResultTableSpec& design,
                                       zel::AnalysisId analysis, QWidget* parent)
    : ResultTableWindow(context, withDecimalSpin(design), parent), m_analysis(analysis) {
    QWidget* area = client();
    // The two choices below the grid; the layout rule moves them with the bottom edge.
    m_option1 = new QRadioButton(option1Text(), area);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(option2Text(), area);
    m_option2->setObjectName(QStringLiteral("Option2"));
    m_option1->setGeometry(px(100), px(4700), px(5200), px(340));
    m_option2->setGeometry(px(100), px(5100), px(5200), px(340));
    m_option1->setChecked(true);
    setOptionButtons(m_option1, m_option2);
}

ControlTableWindow::~ControlTableWindow() = default;

QString ControlTableWindow::limitsWriteFailureText(const QString& path, const QString& reason) {
    QString text = QStringLiteral("管理線情報ファイルを書き込めませんでした。");
    // The reason usually names the file already.
    if (!reason.contains(path)) text += QStringLiteral("\n") + path;
    if (!reason.isEmpty()) text += QStringLiteral("\n") + reason;
    return text;
}

void ControlTableWindow::showTableAndWriteLimits(const zel::ResultTable& table) {
    showTable(table);
    writeLimits();
}

void ControlTableWindow::writeLimits() {
    const zel::Workspace& ws = context().workspace();
    const zel::Dataset& ds = ws.dataset;
    if (ds.limitsPath.empty()) {
        m_writeStatus = zel::Status::ioError("データのファイル名がありません。");
        return;
    }
    m_writeStatus = zel::writeLimitsFile(ds.limitsPath, ds.basePath, ws.chartData.lines);
}

void ControlTableWindow::showEvent(QShowEvent* e) {
    ResultTableWindow::showEvent(e);
    if (!m_writeStatus && !m_failureReported) {
        m_failureReported = true;
        // Said once the window stands on the screen; the table stays usable.
        QMetaObject::invokeMethod(this, &ControlTableWindow::reportWriteFailure, Qt::QueuedConnection);
    }
}

void ControlTableWindow::reportWriteFailure() {
    const QString path = QString::fromStdString(context().workspace().dataset.limitsPath);
    MessageBox::refusal(this, limitsWriteFailureText(path, QString::fromStdString(m_writeStatus.message())),
                        windowTitle());
}

void ControlTableWindow::ok() {
    prepareForChart();
    if (m_option2->isChecked()) {
        ZelWindow::open<xrload>(context(), m_analysis);
        return;
    }
    openChartWindow();
    close();
}

int tableDecimals(std::optional<zel::WindowId> tableWindow) {
    if (auto* table = tableWindow ? dynamic_cast<ResultTableWindow*>(ZelWindow::find(*tableWindow)) : nullptr)
        return table->decimals();
    return ResultTableWindow::kInitialDecimals;
}
