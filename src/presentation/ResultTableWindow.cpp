// The result-table-window frame.
#include "presentation/ResultTableWindow.h"

#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "presentation/GridPrinting.h"
#include "presentation/ReportDocument.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <functional>
#include <vector>

namespace {
using zel::px;
using zel::twipsOf;
// Design sizes of the buttons, in twips.
constexpr double kButtonWidth = 1170;
constexpr double kButtonHeight = 400;
// The spin box's label stands this much lower than the box, level with its text.
constexpr double kSpinLabelDrop = 30;

void moveLeft(QWidget* w, double left) {
    if (w) w->move(px(left), w->y());
}
void moveTop(QWidget* w, double top) {
    if (w) w->move(w->x(), px(top));
}
} // namespace

ResultTableWindow::ResultTableWindow(MainContext& context, const ResultTableSpec& design, QWidget* parent)
    : ZelWindow(design.window, parent), m_context(context), m_spec(design) {
    setWindowTitle(design.caption);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

    const MenuFrame::Parts frame = MenuFrame::install(this);
    m_menuBar = frame.menuBar;
    m_client = frame.client;

    m_grid = new DataGrid(m_client);
    m_grid->setObjectName(design.gridName);
    // A result table shows what the analysis computed; an overwritten cell
    // would change nothing else and only mislead.
    m_grid->setReadOnly(true);
    // The arrow and page keys move through the cells; Tab goes on to the
    // buttons and the spin box, which the keyboard could not reach otherwise.
    m_grid->setTabKeyNavigation(false);
    // Enter in the grid is "OK", as in the other windows with a default button.
    m_grid->setEnterToWindow(true);
    GridPrinting::install(*m_grid);

    m_ok = new QPushButton(QStringLiteral("OK"), m_client);
    m_ok->setObjectName(QStringLiteral("Command1"));
    // Enter answers "OK", wherever the buttons stand in the tab order.
    m_ok->setDefault(true);
    if (design.hasCancel) {
        m_cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), m_client);
        m_cancel->setObjectName(QStringLiteral("Command2"));
        connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    }
    m_print = new QPushButton(QStringLiteral("印刷"), m_client);
    m_print->setObjectName(QStringLiteral("Command3"));
    connect(m_ok, &QPushButton::clicked, this, [this] { ok(); });
    connect(m_print, &QPushButton::clicked, this, &ResultTableWindow::print);

    if (design.decimalSpin) addDecimalSpin();

    QMenu* file = MenuFrame::addMenu(m_menuBar, fileMenuText(), design.fileMenuName);
    connect(MenuFrame::addItem(file, printItemText(), design.printItemName), &QAction::triggered, this,
            &ResultTableWindow::print);
    // The table as it is shown, as one report document.
    connect(MenuFrame::addItem(file, reportdoc::saveItemText(), QStringLiteral("reportsave")),
            &QAction::triggered, this, [this] {
                reportdoc::Document doc = reportdoc::windowDocument(m_context, windowTitle());
                doc.tables.push_back(reportdoc::gridTable(windowTitle(), *m_grid));
                reportdoc::saveAsPdf(this, doc);
            });
    connect(MenuFrame::addItem(file, endItemText(), design.endItemName), &QAction::triggered, this,
            [this] { ok(); });
    m_editMenu = MenuFrame::addMenu(m_menuBar, editMenuText(), design.editMenuName);
    connect(MenuFrame::addItem(m_editMenu, copyItemText(), design.copyItemName), &QAction::triggered, this,
            &ResultTableWindow::copy);
    connect(MenuFrame::addItem(m_editMenu, selectAllItemText(), design.selectItemName), &QAction::triggered,
            this, &ResultTableWindow::selectAll);

    // The right button released over the grid opens the edit menu there.
    connect(m_grid, &DataGrid::mouseUp, this, [this](Qt::MouseButton button, const QPoint& globalPos) {
        if (button == Qt::RightButton) m_editMenu->popup(globalPos);
    });

    // Any other selection ends "すべて選択".
    if (QItemSelectionModel* selection = m_grid->selectionModel())
        connect(selection, &QItemSelectionModel::selectionChanged, this, [this] { m_wholeSheet = false; });

    placeDesign();
    resize(640, 480);
    m_client->installEventFilter(this);
}

ResultTableWindow::~ResultTableWindow() = default;

void ResultTableWindow::addDecimalSpin() {
    m_spinLabel = new QLabel(m_spec.decimalCaption, m_client);
    m_spinLabel->setObjectName(QStringLiteral("Label1"));
    m_spin = new QSpinBox(m_client);
    m_spin->setObjectName(QStringLiteral("Spin1"));
    m_spin->setRange(0, m_spec.decimalMaximum);
    m_spin->setValue(kInitialDecimals);
    m_spinLabel->setBuddy(m_spin);
    connect(m_spin, &QSpinBox::valueChanged, this, &ResultTableWindow::applyDecimals);
}

int ResultTableWindow::decimals() const {
    return m_spin ? m_spin->value() : kInitialDecimals;
}

void ResultTableWindow::showTable(const zel::ResultTable& table) {
    fillGrid(*m_grid, m_spec, table, decimals());
}

void ResultTableWindow::fillGrid(DataGrid& g, const ResultTableSpec& design, const zel::ResultTable& table,
                                 int decimals) {
    g.setColumnCount(table.columns);
    g.setRowCount(table.rows);

    // The data cells of the decimal columns are number cells with the chosen
    // decimal places; the others, when the window has such columns, whole numbers.
    g.setBlockMode(false);
    if (hasDecimalSpan(design)) {
        g.setCurrentCol(-1);
        g.setCurrentRow(-1);
        g.setCellType(DataGrid::CellType::Integer);
        g.setIntegerRange(-kWholeNumberLimit, kWholeNumberLimit);
    }
    formatDecimalCells(g, design, [&g, decimals] {
        g.setCellType(DataGrid::CellType::Real);
        g.setDecimalPlaces(decimals);
    });

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

void ResultTableWindow::formatDecimalCells(DataGrid& g, const ResultTableSpec& design,
                                           const std::function<void()>& format) {
    g.setBlockMode(false);
    g.setCurrentRow(-1);
    if (!hasDecimalSpan(design)) {
        g.setCurrentCol(-1);
        format();
        return;
    }
    // Column by column, every data row: the block corners stay as they were.
    for (int c = design.decimalFirstColumn; c <= design.decimalLastColumn; ++c) {
        g.setCurrentCol(c);
        format();
    }
}

void ResultTableWindow::applyDecimals(int decimals) {
    // The decimal columns at once; the current cell and block stay as they were.
    DataGrid& g = *m_grid;
    const int col = g.currentCol();
    const int row = g.currentRow();
    const bool block = g.blockMode();
    formatDecimalCells(g, m_spec, [&g, decimals] { g.setDecimalPlaces(decimals); });
    g.setCurrentCol(col);
    g.setCurrentRow(row);
    g.setBlockMode(block);
    g.viewport()->update();
}

void ResultTableWindow::placeDesign() {
    const int bw = px(kButtonWidth);
    const int bh = px(kButtonHeight);
    switch (m_spec.layout) {
    case ResultTableLayout::ControlChart:
    case ResultTableLayout::PChart:
        // "印刷" sits above the grid, which starts at 600.
        m_print->setGeometry(px(100), px(100), bw, bh);
        m_grid->setGeometry(px(100), px(600), px(8000), px(4000));
        m_ok->setGeometry(px(5400), px(4800), bw, bh);
        if (m_cancel) m_cancel->setGeometry(px(6730), px(4800), bw, bh);
        break;
    case ResultTableLayout::Frequency:
    case ResultTableLayout::Statistics:
        m_grid->setGeometry(px(100), px(100), px(8000), px(4400));
        m_print->setGeometry(px(100), px(4800), bw, bh);
        m_ok->setGeometry(px(5400), px(4800), bw, bh);
        if (m_cancel) m_cancel->setGeometry(px(6730), px(4800), bw, bh);
        break;
    case ResultTableLayout::Regression:
        m_grid->setGeometry(px(100), px(100), px(8000), px(4400));
        m_print->setGeometry(px(100), px(4800), bw, bh);
        m_ok->setGeometry(px(6820), px(4800), bw, bh);
        break;
    }
    if (m_spin) placeDecimalSpin();
    orderTabsByPlace();
}

void ResultTableWindow::orderTabsByPlace() {
    // Tab goes through the grid, the buttons and the spin box as they stand on
    // screen: row by row from the top, left to right within a row.
    std::vector<QWidget*> stops{m_grid, m_print, m_ok};
    if (m_cancel) stops.push_back(m_cancel);
    if (m_spin) stops.push_back(m_spin);
    std::ranges::stable_sort(stops, [](const QWidget* a, const QWidget* b) {
        const QRect ra = a->geometry(), rb = b->geometry();
        if (ra.top() != rb.top()) return ra.top() < rb.top();
        return ra.left() < rb.left();
    });
    for (std::size_t i = 0; i + 1 < stops.size(); ++i)
        QWidget::setTabOrder(stops[i], stops[i + 1]);
}

void ResultTableWindow::placeDecimalSpin() {
    switch (m_spec.layout) {
    case ResultTableLayout::ControlChart:
    case ResultTableLayout::PChart:
        // Beside "印刷", above the grid.
        m_spinLabel->setGeometry(px(1500), px(100 + kSpinLabelDrop), px(2700), px(340));
        m_spin->setGeometry(px(4200), px(100), px(900), px(400));
        break;
    case ResultTableLayout::Frequency:
    case ResultTableLayout::Statistics:
    case ResultTableLayout::Regression:
        // In the bottom row, between "印刷" and "OK".
        m_spinLabel->setGeometry(px(1400), px(4800 + kSpinLabelDrop), px(2700), px(340));
        m_spin->setGeometry(px(4100), px(4800), px(900), px(400));
        break;
    }
}

void ResultTableWindow::moveSpinTop(double top) {
    moveTop(m_spin, top);
    moveTop(m_spinLabel, top + kSpinLabelDrop);
}

void ResultTableWindow::setOptionButtons(QWidget* first, QWidget* second) {
    m_option1 = first;
    m_option2 = second;
    for (QWidget* w : {first, second})
        if (w && w->parentWidget() != m_client) w->setParent(m_client);
}

void ResultTableWindow::layoutClient(QSizeF twips) {
    const double sw = twips.width();
    const double sh = twips.height();
    auto gridWidth = [&] {
        if (sw - 200 > 500) m_grid->resize(px(sw - 200), m_grid->height());
    };
    auto gridHeight = [&](double h) {
        if (h > 500) m_grid->resize(m_grid->width(), px(h));
    };
    switch (m_spec.layout) {
    case ResultTableLayout::ControlChart:
    case ResultTableLayout::PChart: {
        const bool p = m_spec.layout == ResultTableLayout::PChart;
        const double gridH = sh - (p ? 1300 : 1400);
        m_grid->move(px(100), px(600));
        gridWidth();
        gridHeight(gridH);
        if (sw > 5000) {
            moveLeft(m_ok, sw - 2600);
            moveLeft(m_cancel, sw - 1270);
        }
        if (gridH > 500) {
            moveTop(m_ok, sh - 600);
            moveTop(m_cancel, sh - 600);
            moveTop(m_option1, sh - (p ? 765 : 800));
            moveTop(m_option2, sh - (p ? 405 : 400));
        }
        break;
    }
    case ResultTableLayout::Frequency:
        m_grid->move(px(100), px(100));
        gridWidth();
        gridHeight(sh - 780);
        if (sw - 2550 > 2800) {
            moveLeft(m_ok, sw - 2550);
            moveLeft(m_cancel, sw - 1270);
        }
        if (sh - 780 > 500) {
            for (QWidget* w : {static_cast<QWidget*>(m_ok), static_cast<QWidget*>(m_cancel),
                               static_cast<QWidget*>(m_print)})
                moveTop(w, sh - 580);
            moveSpinTop(sh - 580);
        }
        break;
    case ResultTableLayout::Statistics:
        m_grid->move(px(100), px(100));
        gridWidth();
        gridHeight(sh - 800);
        if (sw > 4000) {
            moveLeft(m_ok, sw - 2600);
            moveLeft(m_cancel, sw - 1270);
        }
        if (sh - 800 > 500) {
            for (QWidget* w : {static_cast<QWidget*>(m_ok), static_cast<QWidget*>(m_cancel),
                               static_cast<QWidget*>(m_print)})
                moveTop(w, sh - 600);
            moveSpinTop(sh - 600);
        }
        break;
    case ResultTableLayout::Regression:
        m_grid->move(px(100), px(100));
        gridWidth();
        gridHeight(sh - 800);
        if (sw - 1280 > 500) moveLeft(m_ok, sw - 1280);
        if (sh - 800 > 500) {
            for (QWidget* w : {static_cast<QWidget*>(m_ok), static_cast<QWidget*>(m_print)})
                moveTop(w, sh - 600);
            moveSpinTop(sh - 600);
        }
        break;
    }
}

void ResultTableWindow::selectAll() {
    m_grid->setCurrentCol(0);
    m_grid->setCurrentRow(0);
    m_grid->setBlockCol2(-1);
    m_grid->setBlockRow2(-1);
    m_grid->doAction(DataGrid::Action::SelectBlock);
    m_wholeSheet = true;
}

void ResultTableWindow::copy() {
    if (!m_wholeSheet) {
        m_grid->doAction(DataGrid::Action::Copy);
        return;
    }
    // The whole sheet, headings included, in the grid's clipboard format.
    QList<QStringList> rows;
    for (int r = 0; r <= m_grid->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c <= m_grid->columnCount(); ++c)
            row << m_grid->text(c, r);
        rows << row;
    }
    QApplication::clipboard()->setText(DataGrid::toTabSeparated(rows));
}

void ResultTableWindow::print() {
    const zel::Workspace& ws = m_context.workspace();
    GridPrinting::printWithRecipe(*m_grid, QString::fromStdString(ws.datasetBasePath()), ws.printMargins,
                                  1.0);
}

bool ResultTableWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_client && e->type() == QEvent::Resize)
        layoutClient(QSizeF(twipsOf(m_client->width()), twipsOf(m_client->height())));
    return ZelWindow::eventFilter(watched, e);
}
