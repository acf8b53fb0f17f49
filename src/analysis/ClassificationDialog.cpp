// The classification dialog of the kind-list graph windows.
#include "analysis/ClassificationDialog.h"

#include "analysis/histogram/HistogramFill.h"
#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "presentation/GridPrinting.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kCheckColumn = 1;
constexpr int kFirstTextColumn = 2;

} // namespace

ClassificationDialog::ClassificationDialog(MainContext& context, zel::WindowId window, const Layout& layout,
                                           int rows, const std::function<QStringList(int row)>& rowTexts,
                                           QWidget* parent)
    : ZelWindow(window, parent), m_context(context) {
    setWindowTitle(captionText());
    setModal(true);
    const zel::Workspace& ws = context.workspace();
    // The current flags show only while something is classified.
    const bool showFlags = !ws.classFlags.empty() && ws.classFlags.front() < zel::classflags::kNone;
    const int lastColumn = static_cast<int>(layout.headings.size()) - 1;

    m_grid = new DataGrid(this);
    m_grid->setObjectName(layout.gridName);
    // The arrows move from box to box; Tab goes on to the buttons, and Enter
    // outside an edit is "OK".
    m_grid->setTabKeyNavigation(false);
    m_grid->setEnterToWindow(true);
    m_grid->setColumnCount(lastColumn);
    m_grid->setRowCount(rows);
    for (int c = 0; c <= lastColumn; ++c) {
        m_grid->setText(c, 0, layout.headings[c]);
        if (static_cast<std::size_t>(c) < layout.widths.size())
            m_grid->setColumnWidthAt(c, layout.widths[static_cast<std::size_t>(c)]);
    }
    for (int row = 1; row <= rows; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        m_grid->setText(0, row, QString::fromStdString(zel::rowHeading(row)));
        m_grid->setCurrentCol(kCheckColumn);
        m_grid->setCurrentRow(row);
        m_grid->setCellType(DataGrid::CellType::CheckBox);
        m_grid->setCheckCaption(checkCaptionText());
        m_grid->setCheckValue(showFlags && i < ws.classFlags.size() &&
                              ws.classFlags[i] == zel::classflags::kMarked);
        const QStringList texts = rowTexts(row);
        for (int t = 0; t < texts.size() && kFirstTextColumn + t <= lastColumn; ++t)
            m_grid->setText(kFirstTextColumn + t, row, texts[t]);
    }
    if (rows > 0) {
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
    connect(okButton, &QPushButton::clicked, this, &ClassificationDialog::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(printButton, &QPushButton::clicked, this, &ClassificationDialog::print);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancel);
    buttons->addWidget(printButton);
    buttons->addStretch();
    auto* box = new QVBoxLayout(this);
    box->addWidget(m_grid, 1);
    box->addLayout(buttons);
    setDesignGeometry({1200, 1200, 9300, 6000});
}

void ClassificationDialog::ok() {
    zel::Workspace& ws = m_context.workspace();
    const int rows = m_grid->rowCount();
    std::vector<std::int16_t> flags(static_cast<std::size_t>(rows), zel::classflags::kUnmarked);
    bool any = false;
    for (int row = 1; row <= rows; ++row)
        if (m_grid->isChecked(kCheckColumn, row)) {
            flags[static_cast<std::size_t>(row - 1)] = zel::classflags::kMarked;
            any = true;
        }
    if (!any) flags.assign(flags.size(), zel::classflags::kNone);
    ws.classFlags = std::move(flags);
    accept();
}

void ClassificationDialog::print() {
    const zel::Workspace& ws = m_context.workspace();
    GridPrinting::printWithRecipe(*m_grid, QString::fromStdString(ws.datasetBasePath()), ws.printMargins,
                                  1.0);
}
