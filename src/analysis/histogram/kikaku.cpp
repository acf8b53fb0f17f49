// The classification dialog.
#include "analysis/histogram/kikaku.h"

#include "analysis/histogram/ClassTable.h"
#include "analysis/histogram/FrequencyTable.h"
#include "analysis/histogram/HistogramFill.h"
#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "presentation/GridPrinting.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {

// Columns: check box, range, mid-value, count of series 1.
constexpr int kCheckColumn = 1;
constexpr int kRangeColumn = 2;
constexpr int kMidColumn = 3;
constexpr int kCountColumn = 4;
constexpr std::array<double, 5> kWidths{8, 16, 22, 14, 8}; // characters, heading column first
const char* const kHeadings[5] = {"クラス", "区分データ", "区　間", "中心値", "度　数"};

} // namespace

kikaku::kikaku(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::kikaku, parent), m_context(context) {
    setWindowTitle(captionText());
    setModal(true);
    const zel::Workspace& ws = context.workspace();
    const zel::ClassTable& table = ws.classTable;
    const zel::ClassLabelTexts& labels = ws.classLabels;
    const int k = table.classes;
    // The current flags show only while some class is classified.
    const bool showFlags = !ws.classFlags.empty() && ws.classFlags.front() < zel::classflags::kNone;

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("grid1"));
    // The arrows move from box to box; Tab goes on to the buttons, so that the
    // dialog can be ended from the keyboard (the grid keeps Enter).
    m_grid->setTabKeyNavigation(false);
    m_grid->setColumnCount(kCountColumn);
    m_grid->setRowCount(k);
    for (int c = 0; c <= kCountColumn; ++c) {
        m_grid->setText(c, 0, QString::fromUtf8(kHeadings[c]));
        m_grid->setColumnWidthAt(c, kWidths[static_cast<std::size_t>(c)]);
    }
    for (int row = 1; row <= k; ++row) {
        m_grid->setText(0, row, QString::fromUtf8(zel::kFrequencyRowPrefix) + QString::number(row));
        m_grid->setCurrentCol(kCheckColumn);
        m_grid->setCurrentRow(row);
        m_grid->setCellType(DataGrid::CellType::CheckBox);
        m_grid->setCheckCaption(checkCaptionText());
        const auto i = static_cast<std::size_t>(row - 1);
        m_grid->setCheckValue(showFlags && i < ws.classFlags.size() &&
                              ws.classFlags[i] == zel::classflags::kMarked);
        const bool labelled = static_cast<std::size_t>(row) < labels.bounds.size() && i < labels.mids.size();
        m_grid->setText(kRangeColumn, row,
                        labelled ? QString::fromStdString(labels.rangeLabel(row)) : QString());
        m_grid->setText(kMidColumn, row, labelled ? QString::fromStdString(labels.midLabel(row)) : QString());
        m_grid->setText(
            kCountColumn, row,
            QString::fromStdString(zel::generalNumberText(static_cast<double>(table.count(row, 1)))));
    }
    if (k > 0) {
        m_grid->setCurrentCol(kCheckColumn);
        m_grid->setCurrentRow(1);
    }
    GridPrinting::install(*m_grid);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    auto* printButton = new QPushButton(QStringLiteral("印刷"), this);
    printButton->setObjectName(QStringLiteral("Command3"));
    connect(okButton, &QPushButton::clicked, this, &kikaku::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(printButton, &QPushButton::clicked, this, &kikaku::print);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancel);
    buttons->addWidget(printButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    setDesignGeometry({1200, 1200, 9300, 6000});
}

void kikaku::ok() {
    zel::Workspace& ws = m_context.workspace();
    const int k = m_grid->rowCount();
    std::vector<std::int16_t> flags(static_cast<std::size_t>(k), zel::classflags::kUnmarked);
    bool any = false;
    for (int row = 1; row <= k; ++row)
        if (m_grid->isChecked(kCheckColumn, row)) {
            flags[static_cast<std::size_t>(row - 1)] = zel::classflags::kMarked;
            any = true;
        }
    if (!any) flags.assign(flags.size(), zel::classflags::kNone);
    ws.classFlags = std::move(flags);
    accept();
}

void kikaku::print() {
    const zel::Workspace& ws = m_context.workspace();
    GridPrinting::printWithRecipe(*m_grid, QString::fromStdString(ws.datasetBasePath()), ws.printMargins,
                                  1.0);
}
