// DataGrid: addressing, formats, sizes, clipboard actions, editing keys and
// mouse events of the spreadsheet grid. Storage lives in GridModel, drawing in
// GridDelegate.
#include "components/grid/DataGrid.h"

#include "components/grid/GridDelegate.h"
#include "components/grid/GridModel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using Prop = GridModel::Prop;

constexpr int kCellPadding = 6; // pixels added to the width of the characters
// Room a heading leaves beside its text: 2 pixels of padding on each side and
// the 1-pixel line at its right (kHeaderStyle, paintCorner).
constexpr int kHeadingTextMargin = 5;
const QColor kHeadingColor(230, 230, 230);
const QColor kHeadingLine(180, 180, 180);

const char* const kHeaderStyle = "QHeaderView::section {"
                                 " background-color: #e6e6e6; color: #000000;"
                                 " border: none; border-right: 1px solid #b4b4b4;"
                                 " border-bottom: 1px solid #b4b4b4; padding: 0px 2px; }"
                                 "QHeaderView::section:checked { background-color: #c9d8ee; }";

double pointsToPixels(double points) {
    return points * 4.0 / 3.0;
}
double pixelsToPoints(double px) {
    return px * 3.0 / 4.0;
}

} // namespace

struct DataGrid::Private {
    GridModel* model = nullptr;
    GridDelegate* delegate = nullptr;
    QAbstractButton* corner = nullptr;

    int curCol = 1;
    int curRow = 1;
    std::optional<int> blockCol2;
    std::optional<int> blockRow2;
    bool blockMode = false;

    EnterAction enterAction = EnterAction::Stay;
    bool enterToWindow = false;
    bool replaceMode = true;
    bool scrollBars = true;

    double defaultColChars = 8.0;
    double headingColChars = 5.0;
    QHash<int, double> colChars;
    double defaultRowPoints = 0.0; // set from the font
    double headingRowPoints = 0.0; // 0 = the header's own height
    QHash<int, double> rowPoints;

    PrintSettings print;
    std::function<void(DataGrid&)> printHandler;

    QPersistentModelIndex pressed;
    int notifying = 0;
    bool syncing = false;
    bool forwardingKey = false; // a key is on its way from the grid to its editor
};

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), d(std::make_unique<Private>()) {
    d->model = new GridModel(this);
    setModel(d->model);
    d->delegate = new GridDelegate(this, d->model);
    setItemDelegate(d->delegate);

    QFont font(QStringList{QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    font.setPointSize(9);
    setFont(font);

    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setWordWrap(false);
    setCornerButtonEnabled(true);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);

    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(255, 255, 255));
    setPalette(pal);

    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setStyleSheet(QString::fromLatin1(kHeaderStyle));
        h->setMinimumSectionSize(1);
        h->setHighlightSections(true);
        h->setDefaultAlignment(Qt::AlignCenter);
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    d->defaultRowPoints = pixelsToPoints(QFontMetrics(font).height() + 6);
    applySizes();

    d->corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (d->corner) d->corner->installEventFilter(this);

    connect(d->model, &GridModel::userEdited, this, &DataGrid::notifyChanged);
    connect(d->delegate, &GridDelegate::enterCommitted, this, [this] {
        if (d->enterAction == EnterAction::MoveRight) moveRight();
    });
    connect(d->delegate, &GridDelegate::moveAfterCommit, this,
            [this](int key, Qt::KeyboardModifiers modifiers) {
                // The editor is closed now: the key moves as it would have
                // without an editor. Tab and Shift+Tab leave a grid that does
                // not move through its cells with them for the next or the
                // previous control.
                const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
                if (tab && !tabKeyNavigation()) {
                    const bool back = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
                    focusNextPrevChild(!back);
                    return;
                }
                // Other keys move the active cell as the view's own navigation
                // does, without going through an editor again.
                QKeyEvent move(QEvent::KeyPress, key, modifiers);
                QTableView::keyPressEvent(&move);
            });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (d->syncing || !current.isValid()) return;
        d->curCol = current.column() + 1;
        d->curRow = current.row() + 1;
    });
}

DataGrid::~DataGrid() = default;

GridModel* DataGrid::gridModel() const {
    return d->model;
}

// ---- counts ------------------------------------------------------------------

void DataGrid::setColumnCount(int cols) {
    const int old = d->model->dataColumns();
    d->model->setDataColumns(cols);
    if (d->model->dataColumns() > old) {
        for (auto it = d->colChars.cbegin(); it != d->colChars.cend(); ++it)
            if (it.key() > old && it.key() <= d->model->dataColumns())
                horizontalHeader()->resizeSection(it.key() - 1, pxForChars(it.value()));
    }
}

int DataGrid::columnCount() const {
    return d->model->dataColumns();
}

void DataGrid::setRowCount(int rows) {
    const int old = d->model->dataRows();
    d->model->setDataRows(rows);
    if (d->model->dataRows() > old) {
        for (auto it = d->rowPoints.cbegin(); it != d->rowPoints.cend(); ++it)
            if (it.key() > old && it.key() <= d->model->dataRows())
                verticalHeader()->resizeSection(it.key() - 1, qRound(pointsToPixels(it.value())));
    }
}

int DataGrid::rowCount() const {
    return d->model->dataRows();
}

// ---- addressing ----------------------------------------------------------------

void DataGrid::setCurrentCol(int col) {
    d->curCol = col;
    syncActiveCell();
}

int DataGrid::currentCol() const {
    return d->curCol;
}

void DataGrid::setCurrentRow(int row) {
    d->curRow = row;
    syncActiveCell();
}

int DataGrid::currentRow() const {
    return d->curRow;
}

void DataGrid::setBlockCol2(int col) {
    d->blockCol2 = col;
}
void DataGrid::setBlockRow2(int row) {
    d->blockRow2 = row;
}
void DataGrid::setBlockMode(bool on) {
    d->blockMode = on;
}
bool DataGrid::blockMode() const {
    return d->blockMode;
}

// Addressing a data cell also makes it the active cell, without touching the
// selection or scrolling. Not while the grid is reporting a change: the
// handler's addressing must not pull the active cell away from the user.
void DataGrid::syncActiveCell() {
    if (d->notifying > 0 || d->syncing) return;
    if (!d->model->isDataCell(d->curCol, d->curRow)) return;
    const QModelIndex idx = d->model->index(d->curRow - 1, d->curCol - 1);
    if (idx == currentIndex()) return;
    d->syncing = true;
    const bool autoScrollWas = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(idx, QItemSelectionModel::NoUpdate);
    setAutoScroll(autoScrollWas);
    d->syncing = false;
}

QModelIndex DataGrid::activeIndex() const {
    QModelIndex idx = currentIndex();
    if (idx.isValid()) return idx;
    if (d->model->isDataCell(d->curCol, d->curRow)) return d->model->index(d->curRow - 1, d->curCol - 1);
    if (d->model->dataRows() > 0 && d->model->dataColumns() > 0) return d->model->index(0, 0);
    return QModelIndex();
}

// The cells format settings apply to: the current cell, -1 ranges (open-ended,
// so later rows and columns share the format) or, in block mode, the block.
QRect DataGrid::formatRange() const {
    auto axis = [this](int cur, std::optional<int> far, int count, int& lo, int& hi) {
        if (cur == -1) {
            lo = 1;
            hi = GridModel::kOpenEnd;
            return;
        }
        if (!d->blockMode) {
            lo = hi = cur;
            return;
        }
        int f = far.value_or(cur);
        if (f == -1) f = count;
        lo = std::min(cur, f);
        hi = std::max(cur, f);
    };
    int c1, c2, r1, r2;
    axis(d->curCol, d->blockCol2, d->model->dataColumns(), c1, c2);
    axis(d->curRow, d->blockRow2, d->model->dataRows(), r1, r2);
    c1 = std::max(c1, 1);
    r1 = std::max(r1, 1);
    if (c2 < c1 || r2 < r1) return QRect();
    return QRect(QPoint(c1, r1), QPoint(c2, r2));
}

// The block of select-block: from the current cell to the far corner, clipped
// to the data cells.
QRect DataGrid::blockRange() const {
    auto axis = [](int cur, std::optional<int> far, int count, int& lo, int& hi) {
        if (cur == -1) {
            lo = 1;
            hi = count;
            return;
        }
        int f = far.value_or(cur);
        if (f == -1) f = count;
        lo = std::max(std::min(cur, f), 1);
        hi = std::min(std::max(cur, f), count);
    };
    int c1, c2, r1, r2;
    axis(d->curCol, d->blockCol2, d->model->dataColumns(), c1, c2);
    axis(d->curRow, d->blockRow2, d->model->dataRows(), r1, r2);
    if (c2 < c1 || r2 < r1) return QRect();
    return QRect(QPoint(c1, r1), QPoint(c2, r2));
}

// Calls fn for each cell a text write addresses: one cell (headings included)
// or, with -1, every data cell of the row or column range.
void DataGrid::forEachAddressedTextCell(const std::function<void(int, int)>& fn) const {
    const int col = d->curCol;
    const int row = d->curRow;
    if (col >= 0 && row >= 0) {
        fn(col, row);
        return;
    }
    const int c1 = col == -1 ? 1 : col;
    const int c2 = col == -1 ? d->model->dataColumns() : col;
    const int r1 = row == -1 ? 1 : row;
    const int r2 = row == -1 ? d->model->dataRows() : row;
    if (c1 < 1 || r1 < 1) return; // -1 never reaches the headings
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c)
            fn(c, r);
}

// ---- texts -----------------------------------------------------------------------

void DataGrid::setCellText(const QString& text) {
    if ((d->curCol == -1 || d->curRow == -1) && text.isEmpty()) {
        // Emptying whole rows or columns: one cleared rectangle, not a text per cell.
        const int c1 = d->curCol == -1 ? 1 : d->curCol;
        const int c2 = d->curCol == -1 ? d->model->dataColumns() : d->curCol;
        const int r1 = d->curRow == -1 ? 1 : d->curRow;
        const int r2 = d->curRow == -1 ? d->model->dataRows() : d->curRow;
        if (c1 >= 1 && r1 >= 1) d->model->clearToEmpty(QRect(QPoint(c1, r1), QPoint(c2, r2)));
        return;
    }
    forEachAddressedTextCell([&](int c, int r) { d->model->storeText(c, r, text); });
    if (d->curCol == 0 && d->curRow == 0 && d->corner) d->corner->update();
}

QString DataGrid::cellText() const {
    if (d->curCol < 0 || d->curRow < 0) return QString();
    return d->model->cellText(d->curCol, d->curRow);
}

void DataGrid::setText(int col, int row, const QString& text) {
    d->model->storeText(col, row, text);
    if (col == 0 && row == 0 && d->corner) d->corner->update();
}

QString DataGrid::text(int col, int row) const {
    return d->model->cellText(col, row);
}

void DataGrid::clearStoredTexts() {
    d->model->forgetAllTexts();
}

void DataGrid::clearStoredText(int col, int row) {
    d->model->forgetText(col, row);
}

void DataGrid::setTextProvider(std::function<QString(int col, int row)> provider) {
    d->model->setTextProvider(std::move(provider));
}

// ---- formats --------------------------------------------------------------------

void DataGrid::applyFormat(int prop, const QVariant& value) {
    const QRect r = formatRange();
    if (r.isEmpty()) return;
    d->model->addFormat(static_cast<Prop>(prop), r.left(), r.top(), r.right(), r.bottom(), value);
}

void DataGrid::setCellType(CellType type) {
    applyFormat(int(Prop::CellType), int(type));
}
void DataGrid::setDecimalPlaces(int decimals) {
    applyFormat(int(Prop::Decimals), decimals);
}

void DataGrid::setIntegerRange(int min, int max) {
    applyFormat(int(Prop::IntegerMin), std::min(min, max));
    applyFormat(int(Prop::IntegerMax), std::max(min, max));
}

void DataGrid::setButtonPicture(const QPixmap& picture) {
    applyFormat(int(Prop::ButtonPicture), QVariant::fromValue(picture));
}

void DataGrid::setButtonCaption(const QString& caption) {
    applyFormat(int(Prop::ButtonCaption), caption);
}

void DataGrid::setButtonColors(const QColor& face, const QColor& shadow, const QColor& highlight,
                               const QColor& text) {
    applyFormat(int(Prop::ButtonFace), face);
    applyFormat(int(Prop::ButtonShadow), shadow);
    applyFormat(int(Prop::ButtonHighlight), highlight);
    applyFormat(int(Prop::ButtonText), text);
}

void DataGrid::setCheckCaption(const QString& caption) {
    applyFormat(int(Prop::CheckCaption), caption);
}

// The value of a check box is the cell's text, "1" or "0".
void DataGrid::setCheckValue(bool checked) {
    const QString t = checked ? QStringLiteral("1") : QStringLiteral("0");
    forEachAddressedTextCell([&](int c, int r) {
        if (c >= 1 && r >= 1) d->model->storeText(c, r, t);
    });
}

bool DataGrid::checkValue() const {
    return GridDelegate::isChecked(cellText());
}

bool DataGrid::isChecked(int col, int row) const {
    return GridDelegate::isChecked(text(col, row));
}

void DataGrid::setRightAligned(bool right) {
    applyFormat(int(Prop::RightAligned), right);
}

void DataGrid::setBackColor(const QColor& color) {
    applyFormat(int(Prop::BackColor), color);
}

QColor DataGrid::backColor(int col, int row) const {
    if (col == 0 || row == 0) return kHeadingColor;
    return d->model->backColor(col, row);
}

// ---- sizes ---------------------------------------------------------------------------

double DataGrid::charWidth() const {
    return QFontMetricsF(font()).horizontalAdvance(QStringLiteral("0123456789")) / 10.0;
}

int DataGrid::pxForChars(double chars) const {
    if (chars <= 0) return 0;
    return qRound(chars * charWidth() + kCellPadding);
}

void DataGrid::applySizes() {
    verticalHeader()->setFixedWidth(pxForChars(d->headingColChars));
    horizontalHeader()->setDefaultSectionSize(pxForChars(d->defaultColChars));
    for (auto it = d->colChars.cbegin(); it != d->colChars.cend(); ++it)
        if (it.key() <= d->model->dataColumns())
            horizontalHeader()->resizeSection(it.key() - 1, pxForChars(it.value()));
    verticalHeader()->setDefaultSectionSize(qRound(pointsToPixels(d->defaultRowPoints)));
    if (d->headingRowPoints > 0)
        horizontalHeader()->setFixedHeight(qRound(pointsToPixels(d->headingRowPoints)));
    updateGeometries();
}

void DataGrid::setColumnWidthAt(int col, double chars) {
    chars = std::max(chars, 0.0);
    if (col == 0) {
        d->headingColChars = chars;
        verticalHeader()->setFixedWidth(pxForChars(chars));
    } else if (col == -1) {
        // Every data column; the row-heading column keeps its width.
        d->defaultColChars = chars;
        d->colChars.clear();
        horizontalHeader()->setDefaultSectionSize(pxForChars(chars));
        const int px = pxForChars(chars);
        for (int i = 0; i < horizontalHeader()->count(); ++i)
            if (horizontalHeader()->sectionSize(i) != px) horizontalHeader()->resizeSection(i, px);
    } else if (col > 0) {
        d->colChars.insert(col, chars);
        if (col <= d->model->dataColumns()) horizontalHeader()->resizeSection(col - 1, pxForChars(chars));
    }
    updateGeometries();
}

double DataGrid::columnWidthAt(int col) const {
    if (col == 0) return d->headingColChars;
    if (col < 0) return d->defaultColChars;
    const double stored = d->colChars.value(col, d->defaultColChars);
    if (col > d->model->dataColumns()) return stored;
    const int px = horizontalHeader()->sectionSize(col - 1);
    if (px == pxForChars(stored)) return stored;
    // Dragged by the user.
    return std::max(0.0, (px - kCellPadding) / charWidth());
}

void DataGrid::widenToHeadings(int col) {
    if (col < 0 || col > d->model->dataColumns()) return;
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    const auto measure = [&](int c, int r) {
        const QString text = d->model->cellText(c, r);
        if (!text.isEmpty()) widest = std::max(widest, metrics.horizontalAdvance(text));
    };
    if (col == 0) {
        for (int r = 0; r <= d->model->dataRows(); ++r)
            measure(0, r);
    } else {
        measure(col, 0);
    }
    if (widest <= 0) return;
    // Rounded up to half a character, so that the section gets at least this.
    const double px = std::ceil(widest) + kHeadingTextMargin;
    const double chars = std::ceil((px - kCellPadding) / charWidth() * 2.0) / 2.0;
    if (chars > columnWidthAt(col)) setColumnWidthAt(col, chars);
}

void DataGrid::setRowHeightAt(int row, double points) {
    points = std::max(points, 0.0);
    const int px = qRound(pointsToPixels(points));
    if (row == 0) {
        d->headingRowPoints = points;
        horizontalHeader()->setFixedHeight(px);
    } else if (row == -1) {
        d->defaultRowPoints = points;
        d->rowPoints.clear();
        verticalHeader()->setDefaultSectionSize(px);
    } else if (row > 0) {
        d->rowPoints.insert(row, points);
        if (row <= d->model->dataRows()) verticalHeader()->resizeSection(row - 1, px);
    }
    updateGeometries();
}

double DataGrid::rowHeightAt(int row) const {
    if (row == 0)
        return d->headingRowPoints > 0 ? d->headingRowPoints
                                       : pixelsToPoints(horizontalHeader()->sizeHint().height());
    if (row < 0) return d->defaultRowPoints;
    return d->rowPoints.value(row, d->defaultRowPoints);
}

void DataGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) applySizes();
}

QSize DataGrid::sizeHint() const {
    if (d->scrollBars) return QTableView::sizeHint();
    const int frame = 2 * frameWidth();
    int w = frame + horizontalHeader()->length();
    int h = frame + verticalHeader()->length();
    if (!verticalHeader()->isHidden()) w += pxForChars(d->headingColChars);
    if (!horizontalHeader()->isHidden())
        h += d->headingRowPoints > 0 ? qRound(pointsToPixels(d->headingRowPoints))
                                     : horizontalHeader()->sizeHint().height();
    return QSize(w, h);
}

// ---- look ----------------------------------------------------------------------------

void DataGrid::setHeadingsVisible(bool visible) {
    horizontalHeader()->setVisible(visible);
    verticalHeader()->setVisible(visible);
    updateGeometry();
}

void DataGrid::setScrollBarsVisible(bool visible) {
    d->scrollBars = visible;
    const Qt::ScrollBarPolicy policy = visible ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    updateGeometry();
}

void DataGrid::setGridLinesVisible(bool visible) {
    setShowGrid(visible);
}

void DataGrid::setGridBackground(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    viewport()->update();
}

void DataGrid::paintCorner(QWidget* corner) {
    QPainter p(corner);
    const QRect r = corner->rect();
    p.fillRect(r, kHeadingColor);
    p.setPen(kHeadingLine);
    p.drawLine(r.topRight(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.setPen(QColor(0, 0, 0));
    p.setFont(font());
    p.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine, d->model->cellText(0, 0));
}

bool DataGrid::eventFilter(QObject* object, QEvent* event) {
    if (object == d->corner && event->type() == QEvent::Paint) {
        paintCorner(d->corner);
        return true;
    }
    return QTableView::eventFilter(object, event);
}

// ---- selection and actions ---------------------------------------------------------

QRect DataGrid::selectionRect() const {
    const QItemSelection sel = selectionModel()->selection();
    if (sel.isEmpty()) return QRect();
    int c1 = INT_MAX, r1 = INT_MAX, c2 = -1, r2 = -1;
    for (const QItemSelectionRange& range : sel) {
        c1 = std::min(c1, range.left());
        r1 = std::min(r1, range.top());
        c2 = std::max(c2, range.right());
        r2 = std::max(r2, range.bottom());
    }
    if (c2 < 0) return QRect();
    return QRect(QPoint(c1 + 1, r1 + 1), QPoint(c2 + 1, r2 + 1));
}

QRect DataGrid::selectedBlock() const {
    return selectionRect();
}

void DataGrid::doAction(Action action) {
    switch (action) {
    case Action::SelectBlock: {
        commitOpenEditor();
        const QRect b = blockRange();
        if (b.isEmpty()) return;
        const QModelIndex tl = d->model->index(b.top() - 1, b.left() - 1);
        const QModelIndex br = d->model->index(b.bottom() - 1, b.right() - 1);
        d->syncing = true;
        selectionModel()->setCurrentIndex(tl, QItemSelectionModel::NoUpdate);
        selectionModel()->select(QItemSelection(tl, br), QItemSelectionModel::ClearAndSelect);
        d->syncing = false;
        break;
    }
    case Action::Print:
        commitOpenEditor();
        if (d->printHandler) d->printHandler(*this);
        break;
    case Action::Copy:
        commitOpenEditor();
        copySelection();
        break;
    case Action::Cut: {
        commitOpenEditor();
        copySelection();
        QRect r = selectionRect();
        if (r.isEmpty()) {
            const QModelIndex a = activeIndex();
            if (a.isValid()) r = QRect(a.column() + 1, a.row() + 1, 1, 1);
        }
        clearCells(r);
        break;
    }
    case Action::Paste:
        commitOpenEditor();
        pasteAtActiveCell();
        break;
    }
}

QString DataGrid::toTabSeparated(const QList<QStringList>& rows) {
    QString out;
    for (const QStringList& row : rows) {
        for (int i = 0; i < row.size(); ++i) {
            if (i > 0) out += QLatin1Char('\t');
            QString cell = row.at(i);
            // A tab or line break inside a cell would shift every later cell.
            cell.replace(QLatin1Char('\t'), QLatin1Char(' '))
                .replace(QLatin1Char('\r'), QLatin1Char(' '))
                .replace(QLatin1Char('\n'), QLatin1Char(' '));
            out += cell;
        }
        out += QLatin1String("\r\n");
    }
    return out;
}

QList<QStringList> DataGrid::fromTabSeparated(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = t.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    QList<QStringList> rows;
    rows.reserve(lines.size());
    for (const QString& line : lines)
        rows.append(line.split(QLatin1Char('\t')));
    return rows;
}

void DataGrid::copySelection() {
    QRect r = selectionRect();
    if (r.isEmpty()) {
        const QModelIndex a = activeIndex();
        if (!a.isValid()) return;
        r = QRect(a.column() + 1, a.row() + 1, 1, 1);
    }
    QList<QStringList> rows;
    rows.reserve(r.height());
    for (int row = r.top(); row <= r.bottom(); ++row) {
        QStringList cells;
        cells.reserve(r.width());
        for (int col = r.left(); col <= r.right(); ++col)
            cells.append(d->model->displayText(col, row));
        rows.append(cells);
    }
    QApplication::clipboard()->setText(toTabSeparated(rows));
}

void DataGrid::notifyChanged(int col, int row) {
    ++d->notifying;
    emit cellChanged(col, row);
    --d->notifying;
}

void DataGrid::clearCells(const QRect& cells) {
    if (d->model->isReadOnly()) return;
    const QRect r = cells.intersected(QRect(1, 1, d->model->dataColumns(), d->model->dataRows()));
    if (r.isEmpty()) return;
    d->model->clearToEmpty(r);
    ++d->notifying;
    for (int row = r.top(); row <= r.bottom(); ++row)
        for (int col = r.left(); col <= r.right(); ++col)
            if (d->model->cellType(col, row) != CellType::Button) emit cellChanged(col, row);
    --d->notifying;
}

void DataGrid::pasteAtActiveCell() {
    if (d->model->isReadOnly()) return;
    const QModelIndex origin = activeIndex();
    if (!origin.isValid()) return;
    const QList<QStringList> rows = fromTabSeparated(QApplication::clipboard()->text());
    if (rows.isEmpty()) return;
    const int c0 = origin.column() + 1;
    const int r0 = origin.row() + 1;
    const int lastCol = d->model->dataColumns();
    const int lastRow = d->model->dataRows();
    std::vector<std::pair<int, int>> changed;
    int maxCol = c0;
    int maxRow = r0;
    for (int i = 0; i < rows.size() && r0 + i <= lastRow; ++i) {
        const QStringList& cells = rows.at(i);
        for (int j = 0; j < cells.size() && c0 + j <= lastCol; ++j) {
            const int col = c0 + j;
            const int row = r0 + i;
            if (d->model->cellType(col, row) == CellType::Button) continue;
            QString t = cells.at(j);
            if (!d->model->normaliseInput(col, row, t)) continue; // a numeric cell keeps its value
            d->model->storeText(col, row, t);
            changed.emplace_back(col, row);
            maxCol = std::max(maxCol, col);
            maxRow = std::max(maxRow, row);
        }
    }
    ++d->notifying;
    for (const auto& [col, row] : changed)
        emit cellChanged(col, row);
    --d->notifying;
    // The pasted block ends up selected, the active cell stays at its origin.
    if (!changed.empty()) {
        const QModelIndex tl = d->model->index(r0 - 1, c0 - 1);
        const QModelIndex br = d->model->index(maxRow - 1, maxCol - 1);
        d->syncing = true;
        selectionModel()->setCurrentIndex(tl, QItemSelectionModel::NoUpdate);
        selectionModel()->select(QItemSelection(tl, br), QItemSelectionModel::ClearAndSelect);
        d->syncing = false;
        d->curCol = c0;
        d->curRow = r0;
    }
}

// ---- printing --------------------------------------------------------------------------

DataGrid::PrintSettings& DataGrid::printSettings() {
    return d->print;
}

void DataGrid::setPrintHandler(std::function<void(DataGrid&)> handler) {
    d->printHandler = std::move(handler);
}

// ---- editing ------------------------------------------------------------------------------

void DataGrid::setEnterAction(EnterAction action) {
    d->enterAction = action;
}
DataGrid::EnterAction DataGrid::enterAction() const {
    return d->enterAction;
}
void DataGrid::setReplaceMode(bool replace) {
    d->replaceMode = replace;
}
bool DataGrid::replaceMode() const {
    return d->replaceMode;
}
void DataGrid::setEnterToWindow(bool on) {
    d->enterToWindow = on;
}
bool DataGrid::enterToWindow() const {
    return d->enterToWindow;
}

bool DataGrid::isEditing() const {
    return state() == QAbstractItemView::EditingState;
}

void DataGrid::setReadOnly(bool on) {
    commitOpenEditor();
    d->model->setReadOnly(on);
}

bool DataGrid::isReadOnly() const {
    return d->model->isReadOnly();
}

void DataGrid::commitOpenEditor() {
    if (state() != QAbstractItemView::EditingState) return;
    QWidget* editor = indexWidget(currentIndex());
    if (!editor) editor = d->delegate->lastEditor();
    if (editor) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DataGrid::startTypingEdit(const QString& typed) {
    const QModelIndex idx = activeIndex();
    if (!idx.isValid() || !d->model->isEditable(idx.column() + 1, idx.row() + 1)) return;
    if (idx != currentIndex()) setCurrentIndex(idx);
    if (!edit(idx, QAbstractItemView::AllEditTriggers, nullptr)) return;
    auto* le = qobject_cast<QLineEdit*>(d->delegate->lastEditor());
    if (!le) return;
    le->setText(d->replaceMode ? typed : le->text() + typed);
    le->deselect();
    le->setCursorPosition(int(le->text().size()));
}

bool DataGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!QTableView::edit(index, trigger, event)) return false;
    if (trigger == EditKeyPressed || trigger == DoubleClicked) {
        // The view opens its line editors with the whole text selected, where
        // the first key typed would replace it.
        if (auto* le = qobject_cast<QLineEdit*>(d->delegate->lastEditor())) {
            le->deselect();
            le->end(false);
        }
    }
    return true;
}

void DataGrid::moveRight() {
    const QModelIndex cur = currentIndex();
    if (!cur.isValid()) return;
    int col = cur.column() + 1;
    int row = cur.row();
    if (col >= d->model->dataColumns()) {
        // At the end of a row the next row's first cell follows; the last cell stays.
        if (row + 1 >= d->model->dataRows()) return;
        col = 0;
        ++row;
    }
    const QModelIndex next = d->model->index(row, col);
    selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect);
    scrollTo(next);
}

void DataGrid::toggleCheck(const QModelIndex& index) {
    if (d->model->isReadOnly()) return;
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    const bool was = GridDelegate::isChecked(d->model->cellText(col, row));
    d->model->storeText(col, row, was ? QStringLiteral("0") : QStringLiteral("1"));
    notifyChanged(col, row);
}

void DataGrid::keyboardSearch(const QString&) {
    // Typing edits cells; no search through a grid that may hold millions of them.
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    if (state() == QAbstractItemView::EditingState) {
        // While a cell is being edited, the editor decides about every key (see
        // GridDelegate::editorKeyRole). A key that reaches the grid is handed to
        // the editor once; what the editor does not use climbs back up to the
        // grid and ends here, instead of going round again.
        QWidget* editor = d->delegate->lastEditor();
        if (editor && editor->isVisible() && !d->forwardingKey) {
            d->forwardingKey = true;
            QApplication::sendEvent(editor, event);
            d->forwardingKey = false;
        }
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        doAction(Action::Copy);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        doAction(Action::Cut);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        doAction(Action::Paste);
        event->accept();
        return;
    }
    const QModelIndex cur = currentIndex();
    const CellType type =
        cur.isValid() ? d->model->cellType(cur.column() + 1, cur.row() + 1) : CellType::Text;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (d->enterToWindow) {
            // No cell is being edited: the window's default button answers.
            event->ignore();
            return;
        }
        if (d->enterAction == EnterAction::MoveRight) moveRight();
        event->accept();
        return;
    case Qt::Key_Delete: {
        QRect r = selectionRect();
        if (r.isEmpty() && cur.isValid()) r = QRect(cur.column() + 1, cur.row() + 1, 1, 1);
        clearCells(r);
        event->accept();
        return;
    }
    case Qt::Key_Space:
        if (cur.isValid() && type == CellType::CheckBox) {
            toggleCheck(cur);
            event->accept();
            return;
        }
        if (cur.isValid() && type == CellType::Button) {
            emit buttonClicked(cur.column() + 1, cur.row() + 1);
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && !text.isEmpty() && text.at(0).isPrint()) {
        startTypingEdit(text);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// ---- mouse ------------------------------------------------------------------------------------

void DataGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex idx = indexAt(event->position().toPoint());
    if (idx.isValid() && event->button() == Qt::LeftButton) {
        const CellType type = d->model->cellType(idx.column() + 1, idx.row() + 1);
        if (type == CellType::Button || type == CellType::CheckBox) {
            commitOpenEditor();
            d->pressed = idx;
            if (type == CellType::Button) {
                d->delegate->setPressed(idx);
            } else {
                selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect);
            }
            viewport()->update(visualRect(idx));
            event->accept();
            return;
        }
    }
    if (idx.isValid() && event->button() == Qt::RightButton && selectionModel()->isSelected(idx)) {
        // A right click inside the selection keeps it for the pop-up menu.
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void DataGrid::mouseReleaseEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    const QPoint globalPos = event->globalPosition().toPoint();
    if (d->pressed.isValid() && button == Qt::LeftButton) {
        const QModelIndex was = d->pressed;
        d->pressed = QPersistentModelIndex();
        d->delegate->setPressed(QModelIndex());
        viewport()->update(visualRect(was));
        if (indexAt(event->position().toPoint()) == was) {
            const CellType type = d->model->cellType(was.column() + 1, was.row() + 1);
            if (type == CellType::Button)
                emit buttonClicked(was.column() + 1, was.row() + 1);
            else if (type == CellType::CheckBox)
                toggleCheck(was);
        }
        event->accept();
    } else {
        QTableView::mouseReleaseEvent(event);
    }
    emit mouseUp(button, globalPos);
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex idx = indexAt(event->position().toPoint());
    if (idx.isValid() && event->button() == Qt::LeftButton) {
        const CellType type = d->model->cellType(idx.column() + 1, idx.row() + 1);
        if (type == CellType::Button || type == CellType::CheckBox) {
            // The second click of a double click is a click of its own.
            mousePressEvent(event);
            return;
        }
    }
    QTableView::mouseDoubleClickEvent(event);
}

void DataGrid::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(viewport()->mapTo(this, event->position().toPoint()));
    if (d->pressed.isValid()) return;
    QTableView::mouseMoveEvent(event);
}
