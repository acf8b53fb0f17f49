// The result-table-window frame.
#include "presentation/ResultTableWindow.h"

#include "components/grid/DataGrid.h"
#include "presentation/GridPrinting.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
using zel::px;
using zel::twipsOf;
// Design sizes of the buttons, in twips.
constexpr double kButtonWidth = 1170;
constexpr double kButtonHeight = 400;

QAction* addItem(QMenu* menu, const QString& text, const QString& name) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    return a;
}

void moveLeft(QWidget* w, double left) {
    if (w) w->move(px(left), w->y());
}
void moveTop(QWidget* w, double top) {
    if (w) w->move(w->x(), px(top));
}
} // namespace

ResultTableWindow::ResultTableWindow(MainContext& context, const ResultTableSpec& design, QWidget* parent)
    : ZelWindow(design.name, parent), m_context(context), m_spec(design) {
    setWindowTitle(design.caption);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    layout->setMenuBar(m_menuBar);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    layout->addWidget(m_client);

    m_grid = new DataGrid(m_client);
    m_grid->setObjectName(design.gridName);
    // A result table shows what the analysis computed; an overwritten cell
    // would change nothing else and only mislead.
    m_grid->setReadOnly(true);
    GridPrinting::install(*m_grid);

    m_ok = new QPushButton(QStringLiteral("OK"), m_client);
    m_ok->setObjectName(QStringLiteral("Command1"));
    if (design.hasCancel) {
        m_cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), m_client);
        m_cancel->setObjectName(QStringLiteral("Command2"));
        connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    }
    m_print = new QPushButton(QStringLiteral("印刷"), m_client);
    m_print->setObjectName(QStringLiteral("Command3"));
    connect(m_ok, &QPushButton::clicked, this, [this] { ok(); });
    connect(m_print, &QPushButton::clicked, this, &ResultTableWindow::print);

    QMenu* file = m_menuBar->addMenu(fileMenuText());
    file->setObjectName(design.fileMenuName);
    connect(addItem(file, printItemText(), design.printItemName), &QAction::triggered, this,
            &ResultTableWindow::print);
    connect(addItem(file, endItemText(), design.endItemName), &QAction::triggered, this, [this] { ok(); });
    m_editMenu = m_menuBar->addMenu(editMenuText());
    m_editMenu->setObjectName(design.editMenuName);
    connect(addItem(m_editMenu, copyItemText(), design.copyItemName), &QAction::triggered, this,
            &ResultTableWindow::copy);
    connect(addItem(m_editMenu, selectAllItemText(), design.selectItemName), &QAction::triggered, this,
            &ResultTableWindow::selectAll);

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
}

void ResultTableWindow::setOptionButtons(QWidget* first, QWidget* second) {
    m_option1 = first;
    m_option2 = second;
    for (QWidget* w : {first, second})
        if (w && w->parentWidget() != m_client) w->setParent(m_client);
}

void ResultTableWindow::setDecimalSpin(QWidget* spin) {
    m_spin = spin;
    if (spin && spin->parentWidget() != m_client) spin->setParent(m_client);
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
        if (sh - 780 > 500)
            for (QWidget* w : {static_cast<QWidget*>(m_ok), static_cast<QWidget*>(m_cancel),
                               static_cast<QWidget*>(m_print), m_spin})
                moveTop(w, sh - 580);
        break;
    case ResultTableLayout::Statistics:
        m_grid->move(px(100), px(100));
        gridWidth();
        gridHeight(sh - 800);
        if (sw > 4000) {
            moveLeft(m_ok, sw - 2600);
            moveLeft(m_cancel, sw - 1270);
        }
        if (sh - 800 > 500)
            for (QWidget* w : {static_cast<QWidget*>(m_ok), static_cast<QWidget*>(m_cancel),
                               static_cast<QWidget*>(m_print)})
                moveTop(w, sh - 600);
        break;
    case ResultTableLayout::Regression:
        m_grid->move(px(100), px(100));
        gridWidth();
        gridHeight(sh - 800);
        if (sw - 1280 > 500) moveLeft(m_ok, sw - 1280);
        if (sh - 800 > 500)
            for (QWidget* w : {static_cast<QWidget*>(m_ok), static_cast<QWidget*>(m_print), m_spin})
                moveTop(w, sh - 600);
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
    GridPrinting::printWithRecipe(*m_grid, QString::fromStdString(ws.datasetBasePath()), ws.printMargins, 1.0);
}

bool ResultTableWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_client && e->type() == QEvent::Resize)
        layoutClient(QSizeF(twipsOf(m_client->width()), twipsOf(m_client->height())));
    return ZelWindow::eventFilter(watched, e);
}
