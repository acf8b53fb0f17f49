// The classification dialog of the variable graphs.
#include "analysis/vargraph/okikaku.h"

#include "analysis/AnalysisSet.h"
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

// Columns: check box, data label, value of series 1.
constexpr int kCheckColumn = 1;
constexpr int kLabelColumn = 2;
constexpr int kValueColumn = 3;
constexpr std::array<double, 4> kWidths{8, 16, 22, 14}; // characters, heading column first
const char* const kHeadings[4] = {"データ", "区分データ", "ラベル", "データ値"};
constexpr const char* kRowPrefix = "NO.";

} // namespace

okikaku::okikaku(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::okikaku, parent), m_context(context) {
    setWindowTitle(captionText());
    setModal(true);
    const zel::Workspace& ws = context.workspace();
    const zel::AnalysisSet& set = ws.analysisSet;
    const int n = set.n;
    // The current flags show only while some sample is classified.
    const bool showFlags = !ws.classFlags.empty() && ws.classFlags.front() < zel::classflags::kNone;

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("Spread1"));
    // The arrows move from box to box; Tab goes on to the buttons.
    m_grid->setTabKeyNavigation(false);
    m_grid->setColumnCount(kValueColumn);
    m_grid->setRowCount(n);
    for (int c = 0; c <= kValueColumn; ++c) {
        m_grid->setText(c, 0, QString::fromUtf8(kHeadings[c]));
        m_grid->setColumnWidthAt(c, kWidths[static_cast<std::size_t>(c)]);
    }
    for (int row = 1; row <= n; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        m_grid->setText(0, row, QString::fromUtf8(kRowPrefix) + QString::number(row));
        m_grid->setCurrentCol(kCheckColumn);
        m_grid->setCurrentRow(row);
        m_grid->setCellType(DataGrid::CellType::CheckBox);
        m_grid->setCheckCaption(checkCaptionText());
        m_grid->setCheckValue(showFlags && i < ws.classFlags.size() &&
                              ws.classFlags[i] == zel::classflags::kMarked);
        m_grid->setText(kLabelColumn, row,
                        i < set.labels.size() ? QString::fromStdString(set.labels[i]) : QString());
        m_grid->setText(kValueColumn, row,
                        !set.values.empty() && i < set.values.front().size()
                            ? QString::fromStdString(zel::generalNumberText(set.values.front()[i]))
                            : QString());
    }
    if (n > 0) {
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
    connect(okButton, &QPushButton::clicked, this, &okikaku::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(printButton, &QPushButton::clicked, this, &okikaku::print);

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

void okikaku::ok() {
    zel::Workspace& ws = m_context.workspace();
    const int n = m_grid->rowCount();
    std::vector<std::int16_t> flags(static_cast<std::size_t>(n), zel::classflags::kUnmarked);
    bool any = false;
    for (int row = 1; row <= n; ++row)
        if (m_grid->isChecked(kCheckColumn, row)) {
            flags[static_cast<std::size_t>(row - 1)] = zel::classflags::kMarked;
            any = true;
        }
    if (!any) flags.assign(flags.size(), zel::classflags::kNone);
    ws.classFlags = std::move(flags);
    accept();
}

void okikaku::print() {
    const zel::Workspace& ws = m_context.workspace();
    GridPrinting::printWithRecipe(*m_grid, QString::fromStdString(ws.datasetBasePath()), ws.printMargins,
                                  1.0);
}
