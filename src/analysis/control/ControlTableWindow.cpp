// The shared part of the control-chart table windows XR1, XRS1 and p1.
#include "analysis/control/ControlTableWindow.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/LimitsFile.h"
#include "analysis/control/xrload.h"
#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

using zel::px;

constexpr int kInitialDecimals = 2;
constexpr int kMaxDecimals = 100;

} // namespace

ControlTableWindow::ControlTableWindow(MainContext& context, const ResultTableSpec& design,
                                       const QString& analysis, QWidget* parent)
    : ResultTableWindow(context, design, parent), m_analysis(analysis) {
    QWidget* area = client();

    // The spin box and its label sit beside "印刷", above the grid.
    m_spinLabel = new QLabel(decimalsLabelText(), area);
    m_spinLabel->setObjectName(QStringLiteral("Label1"));
    m_spinLabel->setGeometry(px(1500), px(130), px(2700), px(340));
    m_spin = new QSpinBox(area);
    m_spin->setObjectName(QStringLiteral("Spin1"));
    m_spin->setRange(0, kMaxDecimals);
    m_spin->setValue(kInitialDecimals);
    m_spin->setGeometry(px(4200), px(100), px(900), px(400));
    m_spinLabel->setBuddy(m_spin);
    setDecimalSpin(m_spin);
    connect(m_spin, &QSpinBox::valueChanged, this, &ControlTableWindow::applyDecimals);

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

int ControlTableWindow::decimals() const {
    return m_spin->value();
}

QString ControlTableWindow::limitsWriteFailureText(const QString& path, const QString& reason) {
    QString text = QStringLiteral("管理線情報ファイルを書き込めませんでした。");
    // The reason usually names the file already.
    if (!reason.contains(path)) text += QStringLiteral("\n") + path;
    if (!reason.isEmpty()) text += QStringLiteral("\n") + reason;
    return text;
}

void ControlTableWindow::showTableAndWriteLimits(const zel::ResultTable& table) {
    fillGrid(table);
    writeLimits();
}

void ControlTableWindow::fillGrid(const zel::ResultTable& table) {
    DataGrid& g = grid();
    g.setColumnCount(table.columns);
    g.setRowCount(table.rows);

    // Every data cell is a number cell with the chosen decimal places.
    g.setBlockMode(false);
    g.setCurrentCol(-1);
    g.setCurrentRow(-1);
    g.setCellType(DataGrid::CellType::Real);
    g.setDecimalPlaces(m_spin->value());

    for (int c = 0; c <= table.columns; ++c) {
        const std::size_t i = static_cast<std::size_t>(c);
        g.setText(c, 0,
                  i < table.columnHeadings.size() ? QString::fromStdString(table.columnHeadings[i])
                                                  : QString());
        if (i < table.columnWidths.size()) g.setColumnWidthAt(c, table.columnWidths[i]);
    }
    for (int r = 1; r <= table.rows; ++r) {
        const std::size_t i = static_cast<std::size_t>(r);
        g.setText(0, r,
                  i < table.rowHeadings.size() ? QString::fromStdString(table.rowHeadings[i]) : QString());
        for (int c = 1; c <= table.columns; ++c) {
            const zel::ResultCell& cell = table.at(r, c);
            if (cell.number)
                g.setText(c, r, QString::fromStdString(zel::generalNumberText(*cell.number)));
            else
                g.setText(c, r, QString::fromStdString(cell.text));
        }
    }
    // Long data labels and headings widen their column rather than being cut off.
    for (int c = 0; c <= table.columns; ++c)
        g.widenToHeadings(c);
    g.setCurrentCol(1);
    g.setCurrentRow(1);
}

void ControlTableWindow::applyDecimals(int decimals) {
    // The whole sheet at once.
    DataGrid& g = grid();
    const int col = g.currentCol();
    const int row = g.currentRow();
    const bool block = g.blockMode();
    g.setBlockMode(false);
    g.setCurrentCol(-1);
    g.setCurrentRow(-1);
    g.setDecimalPlaces(decimals);
    g.setCurrentCol(col);
    g.setCurrentRow(row);
    g.setBlockMode(block);
    g.viewport()->update();
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

int tableDecimals(const QString& tableWindowName) {
    if (auto* table = dynamic_cast<ControlTableWindow*>(ZelWindow::find(tableWindowName)))
        return table->decimals();
    return kInitialDecimals;
}
