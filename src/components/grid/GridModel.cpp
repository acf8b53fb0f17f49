// GridModel: sparse texts, block formats and the header texts of a DataGrid.
#include "components/grid/GridModel.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

// Cleared areas up to this many cells are kept as stored empty texts; larger
// ones as rectangles, so clearing a whole sheet costs no per-cell storage.
constexpr qint64 kSmallClearCells = 256;

QString columnLetters(int col) {
    QString s;
    while (col > 0) {
        const int d = (col - 1) % 26;
        s.prepend(QChar('A' + d));
        col = (col - 1) / 26;
    }
    return s;
}

} // namespace

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::setDataColumns(int cols) {
    cols = std::max(cols, 0);
    if (cols == m_cols) return;
    if (cols > m_cols) {
        beginInsertColumns(QModelIndex(), m_cols, cols - 1);
        m_cols = cols;
        endInsertColumns();
        return;
    }
    beginRemoveColumns(QModelIndex(), cols, m_cols - 1);
    // Cells beyond the new edge are gone: growing again shows them fresh.
    for (auto it = m_texts.begin(); it != m_texts.end();) {
        if (static_cast<int>(it.key() >> 32) > cols)
            it = m_texts.erase(it);
        else
            ++it;
    }
    for (auto it = m_providerCells.begin(); it != m_providerCells.end();) {
        if (static_cast<int>(*it >> 32) > cols)
            it = m_providerCells.erase(it);
        else
            ++it;
    }
    for (QRect& r : m_cleared)
        r.setRight(std::min(r.right(), cols));
    std::erase_if(m_cleared, [](const QRect& r) { return r.isEmpty(); });
    m_cols = cols;
    endRemoveColumns();
}

void GridModel::setDataRows(int rows) {
    rows = std::max(rows, 0);
    if (rows == m_rows) return;
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
        return;
    }
    beginRemoveRows(QModelIndex(), rows, m_rows - 1);
    for (auto it = m_texts.begin(); it != m_texts.end();) {
        if (static_cast<int>(it.key() & 0xffffffffu) > rows)
            it = m_texts.erase(it);
        else
            ++it;
    }
    for (auto it = m_providerCells.begin(); it != m_providerCells.end();) {
        if (static_cast<int>(*it & 0xffffffffu) > rows)
            it = m_providerCells.erase(it);
        else
            ++it;
    }
    for (QRect& r : m_cleared)
        r.setBottom(std::min(r.bottom(), rows));
    std::erase_if(m_cleared, [](const QRect& r) { return r.isEmpty(); });
    m_rows = rows;
    endRemoveRows();
}

bool GridModel::inClearedRect(int col, int row) const {
    for (auto it = m_cleared.rbegin(); it != m_cleared.rend(); ++it)
        if (it->contains(col, row)) return true;
    return false;
}

QString GridModel::cellText(int col, int row) const {
    if (col == 0 && row == 0) return m_corner;
    if (col == 0) return m_rowHeadings.value(row, QString::number(row));
    if (row == 0) return m_colHeadings.value(col, columnLetters(col));
    if (!isDataCell(col, row)) return QString();
    const std::uint64_t k = key(col, row);
    const auto it = m_texts.constFind(k);
    if (it != m_texts.cend()) return *it;
    if (!m_cleared.empty() && inClearedRect(col, row) && !m_providerCells.contains(k)) return QString();
    return m_provider ? m_provider(col, row) : QString();
}

bool GridModel::hasStoredText(int col, int row) const {
    if (!isDataCell(col, row)) return false;
    const std::uint64_t k = key(col, row);
    if (m_texts.contains(k)) return true;
    return !m_cleared.empty() && inClearedRect(col, row) && !m_providerCells.contains(k);
}

QString GridModel::displayText(int col, int row) const {
    const QString text = cellText(col, row);
    if (!isDataCell(col, row)) return text;
    const DataGrid::CellType type = cellType(col, row);
    if (type != DataGrid::CellType::Real && type != DataGrid::CellType::Integer) return text;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok) return text;
    if (type == DataGrid::CellType::Real) {
        // Rounded as the value reads, halves away from zero: 1.015 shows "1.02".
        return QString::fromStdString(zel::decimalsText(v, formatValue(Prop::Decimals, col, row).toInt()));
    }
    const GridCellFormat f = format(col, row);
    const double clamped = std::clamp(std::round(v), double(f.integerMin), double(f.integerMax));
    return QString::number(static_cast<qint64>(clamped));
}

void GridModel::notifyCell(int col, int row) {
    const QModelIndex i = index(row - 1, col - 1);
    emit dataChanged(i, i);
}

void GridModel::storeText(int col, int row, const QString& text) {
    if (col == 0 && row == 0) {
        m_corner = text;
        return;
    }
    if (col == 0 && row > 0) {
        m_rowHeadings.insert(row, text);
        if (row <= m_rows) noteHeadingChanged(Qt::Vertical, row);
        return;
    }
    if (row == 0 && col > 0) {
        m_colHeadings.insert(col, text);
        if (col <= m_cols) noteHeadingChanged(Qt::Horizontal, col);
        return;
    }
    if (!isDataCell(col, row)) return;
    const std::uint64_t k = key(col, row);
    m_texts.insert(k, text);
    if (!m_providerCells.isEmpty()) m_providerCells.remove(k);
    notifyCell(col, row);
}

void GridModel::noteHeadingChanged(Qt::Orientation orientation, int section) {
    int& first = orientation == Qt::Vertical ? m_pendingRow1 : m_pendingCol1;
    int& last = orientation == Qt::Vertical ? m_pendingRow2 : m_pendingCol2;
    if (last < first) {
        first = last = section;
    } else {
        first = std::min(first, section);
        last = std::max(last, section);
    }
    if (!m_headingFlushQueued) {
        m_headingFlushQueued = true;
        QMetaObject::invokeMethod(this, &GridModel::flushHeadingChanges, Qt::QueuedConnection);
    }
}

void GridModel::flushHeadingChanges() {
    m_headingFlushQueued = false;
    const int rowLast = std::min(m_pendingRow2, m_rows);
    if (m_pendingRow1 >= 1 && rowLast >= m_pendingRow1)
        emit headerDataChanged(Qt::Vertical, m_pendingRow1 - 1, rowLast - 1);
    const int colLast = std::min(m_pendingCol2, m_cols);
    if (m_pendingCol1 >= 1 && colLast >= m_pendingCol1)
        emit headerDataChanged(Qt::Horizontal, m_pendingCol1 - 1, colLast - 1);
    m_pendingRow1 = m_pendingCol1 = 0;
    m_pendingRow2 = m_pendingCol2 = -1;
}

void GridModel::forgetText(int col, int row) {
    if (!isDataCell(col, row)) return;
    const std::uint64_t k = key(col, row);
    m_texts.remove(k);
    if (!m_cleared.empty() && inClearedRect(col, row)) m_providerCells.insert(k);
    notifyCell(col, row);
}

void GridModel::forgetAllTexts() {
    m_texts.clear();
    m_texts.squeeze();
    m_cleared.clear();
    m_providerCells.clear();
    if (m_rows > 0 && m_cols > 0) emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
}

void GridModel::clearToEmpty(const QRect& cells) {
    const QRect r = cells.intersected(QRect(1, 1, m_cols, m_rows));
    if (r.isEmpty()) return;
    const qint64 area = qint64(r.width()) * r.height();
    if (area <= kSmallClearCells) {
        for (int row = r.top(); row <= r.bottom(); ++row)
            for (int col = r.left(); col <= r.right(); ++col) {
                m_texts.insert(key(col, row), QString());
                if (!m_providerCells.isEmpty()) m_providerCells.remove(key(col, row));
            }
    } else {
        auto inside = [&r](std::uint64_t k) {
            return r.contains(static_cast<int>(k >> 32), static_cast<int>(k & 0xffffffffu));
        };
        for (auto it = m_texts.begin(); it != m_texts.end();)
            it = inside(it.key()) ? m_texts.erase(it) : std::next(it);
        for (auto it = m_providerCells.begin(); it != m_providerCells.end();)
            it = inside(*it) ? m_providerCells.erase(it) : std::next(it);
        std::erase_if(m_cleared, [&r](const QRect& old) { return r.contains(old); });
        m_cleared.push_back(r);
    }
    emit dataChanged(index(r.top() - 1, r.left() - 1), index(r.bottom() - 1, r.right() - 1));
}

void GridModel::setTextProvider(std::function<QString(int, int)> provider) {
    m_provider = std::move(provider);
    if (m_rows > 0 && m_cols > 0) emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
}

bool GridModel::normaliseInput(int col, int row, QString& text) const {
    const DataGrid::CellType type = cellType(col, row);
    if (type != DataGrid::CellType::Real && type != DataGrid::CellType::Integer) return true;
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        text = t;
        return true;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return false;
    if (type == DataGrid::CellType::Real) {
        text = t;
        return true;
    }
    const GridCellFormat f = format(col, row);
    const double clamped = std::clamp(std::round(v), double(f.integerMin), double(f.integerMax));
    text = QString::number(static_cast<qint64>(clamped));
    return true;
}

bool GridModel::userWrite(int col, int row, const QString& text) {
    if (!isDataCell(col, row) || !isEditable(col, row)) return false;
    QString t = text;
    if (!normaliseInput(col, row, t)) return false;
    if (cellText(col, row) == t) return false;
    storeText(col, row, t);
    return true;
}

void GridModel::addFormat(Prop prop, int col1, int row1, int col2, int row2, const QVariant& value) {
    col1 = std::max(col1, 1);
    row1 = std::max(row1, 1);
    if (col2 < col1 || row2 < row1) return;
    const Entry e{col1, row1, col2, row2, ++m_seq, prop, value};
    // Older entries of the same setting wholly under the new one can never win again.
    auto& blocks = m_blocks[static_cast<int>(prop)];
    std::erase_if(blocks, [&e](const Entry& old) { return old.within(e.c1, e.r1, e.c2, e.r2); });
    if (m_rowIndexEntries > 0) {
        const int last = std::min<qint64>(row2, qint64(m_rowIndex.size()) - 1);
        for (int r = row1; r <= last; ++r) {
            auto& bucket = m_rowIndex[r];
            const auto before = bucket.size();
            std::erase_if(bucket, [&e](const Entry& old) {
                return old.prop == e.prop && old.within(e.c1, e.r1, e.c2, e.r2);
            });
            m_rowIndexEntries -= int(before - bucket.size());
        }
    }
    if (row2 != kOpenEnd && qint64(row2) - row1 + 1 <= kRowIndexSpan) {
        if (m_rowIndex.size() <= std::size_t(row2)) m_rowIndex.resize(std::size_t(row2) + 1);
        for (int r = row1; r <= row2; ++r) {
            m_rowIndex[r].push_back(e);
            ++m_rowIndexEntries;
        }
    } else {
        blocks.push_back(e);
    }
    const int lastRow = std::min(row2, m_rows);
    const int lastCol = std::min(col2, m_cols);
    if (lastRow >= row1 && lastCol >= col1)
        emit dataChanged(index(row1 - 1, col1 - 1), index(lastRow - 1, lastCol - 1));
}

const GridModel::Entry* GridModel::findEntry(Prop prop, int col, int row) const {
    const Entry* best = nullptr;
    if (row >= 0 && std::size_t(row) < m_rowIndex.size()) {
        const auto& bucket = m_rowIndex[row];
        for (auto it = bucket.rbegin(); it != bucket.rend(); ++it)
            if (it->prop == prop && it->covers(col, row)) {
                best = &*it;
                break;
            }
    }
    const auto& blocks = m_blocks[static_cast<int>(prop)];
    for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) {
        if (best && it->seq < best->seq) break; // everything further back is older still
        if (it->covers(col, row)) {
            if (!best || it->seq > best->seq) best = &*it;
            break;
        }
    }
    return best;
}

QVariant GridModel::formatValue(Prop prop, int col, int row) const {
    if (const Entry* e = findEntry(prop, col, row)) return e->value;
    static const GridCellFormat defaults;
    switch (prop) {
    case Prop::CellType:
        return int(defaults.type);
    case Prop::Decimals:
        return defaults.decimals;
    case Prop::IntegerMin:
        return defaults.integerMin;
    case Prop::IntegerMax:
        return defaults.integerMax;
    case Prop::BackColor:
        return defaults.back;
    default:
        return QVariant();
    }
}

DataGrid::CellType GridModel::cellType(int col, int row) const {
    if (const Entry* e = findEntry(Prop::CellType, col, row))
        return static_cast<DataGrid::CellType>(e->value.toInt());
    return DataGrid::CellType::Text;
}

QColor GridModel::backColor(int col, int row) const {
    if (const Entry* e = findEntry(Prop::BackColor, col, row)) return e->value.value<QColor>();
    return GridCellFormat().back;
}

GridCellFormat GridModel::format(int col, int row) const {
    GridCellFormat f;
    auto get = [&](Prop p) { return findEntry(p, col, row); };
    if (const Entry* e = get(Prop::CellType)) f.type = static_cast<DataGrid::CellType>(e->value.toInt());
    if (const Entry* e = get(Prop::Decimals)) f.decimals = e->value.toInt();
    if (const Entry* e = get(Prop::IntegerMin)) f.integerMin = e->value.toInt();
    if (const Entry* e = get(Prop::IntegerMax)) f.integerMax = e->value.toInt();
    if (const Entry* e = get(Prop::RightAligned)) {
        f.rightAligned = e->value.toBool();
        f.alignmentSet = true;
    }
    if (const Entry* e = get(Prop::BackColor)) f.back = e->value.value<QColor>();
    if (f.type == DataGrid::CellType::Button) {
        if (const Entry* e = get(Prop::ButtonPicture)) f.picture = e->value.value<QPixmap>();
        if (const Entry* e = get(Prop::ButtonCaption)) f.buttonCaption = e->value.toString();
        if (const Entry* e = get(Prop::ButtonFace)) f.face = e->value.value<QColor>();
        if (const Entry* e = get(Prop::ButtonShadow)) f.shadow = e->value.value<QColor>();
        if (const Entry* e = get(Prop::ButtonHighlight)) f.highlight = e->value.value<QColor>();
        if (const Entry* e = get(Prop::ButtonText)) f.buttonText = e->value.value<QColor>();
    } else if (f.type == DataGrid::CellType::CheckBox) {
        if (const Entry* e = get(Prop::CheckCaption)) f.checkCaption = e->value.toString();
    }
    if (f.integerMin > f.integerMax) std::swap(f.integerMin, f.integerMax);
    return f;
}

int GridModel::formatEntryCount() const {
    int n = m_rowIndexEntries;
    for (const auto& b : m_blocks)
        n += int(b.size());
    return n;
}

bool GridModel::isEditable(int col, int row) const {
    if (m_readOnly) return false;
    const DataGrid::CellType t = cellType(col, row);
    return t == DataGrid::CellType::Text || t == DataGrid::CellType::Real || t == DataGrid::CellType::Integer;
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return QVariant();
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return displayText(col, row);
    case Qt::EditRole:
        return cellText(col, row);
    case Qt::BackgroundRole:
        return backColor(col, row);
    case Qt::TextAlignmentRole: {
        const GridCellFormat f = format(col, row);
        const bool numeric = f.type == DataGrid::CellType::Real || f.type == DataGrid::CellType::Integer;
        const bool right = f.alignmentSet ? f.rightAligned : numeric;
        return int((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    default:
        return QVariant();
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    if (userWrite(col, row, value.toString())) emit userEdited(col, row);
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    return orientation == Qt::Horizontal ? cellText(section + 1, 0) : cellText(0, section + 1);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isEditable(index.column() + 1, index.row() + 1)) f |= Qt::ItemIsEditable;
    return f;
}
