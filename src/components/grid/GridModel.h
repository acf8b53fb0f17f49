// GridModel: the table model behind DataGrid. Data cells are 1-based (column c,
// row r is model index (r - 1, c - 1)); the headings live in the header data.
// Texts are kept sparsely: a hash of stored texts, a list of cleared rectangles
// (cells that show empty whatever the provider says) and a text provider for
// everything else. Formats are kept per block, never per cell: blocks of a few
// rows are indexed by row, larger ones are kept in a short list per property.
#pragma once

#include "components/grid/DataGrid.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QSet>
#include <QString>
#include <QVariant>

#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <vector>

// Everything the grid needs to draw or edit one data cell.
struct GridCellFormat {
    DataGrid::CellType type = DataGrid::CellType::Text;
    int decimals = 2;
    int integerMin = -2147483647;
    int integerMax = 2147483647;
    QPixmap picture;
    QString buttonCaption;
    QColor face{192, 192, 192};
    QColor shadow{128, 128, 128};
    QColor highlight{255, 255, 255};
    QColor buttonText{0, 0, 0};
    QString checkCaption;
    bool rightAligned = false;
    bool alignmentSet = false;
    QColor back{255, 255, 255};
};

class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // One format setting; a block entry carries exactly one of them.
    enum class Prop {
        CellType,
        Decimals,
        IntegerMin,
        IntegerMax,
        ButtonPicture,
        ButtonCaption,
        ButtonFace,
        ButtonShadow,
        ButtonHighlight,
        ButtonText,
        CheckCaption,
        RightAligned,
        BackColor,
    };
    static constexpr int kPropCount = 13;
    // An open end of a format block: the block also covers cells added later.
    static constexpr int kOpenEnd = INT_MAX;
    // Blocks spanning at most this many rows are indexed per row.
    static constexpr int kRowIndexSpan = 4;

    explicit GridModel(QObject* parent = nullptr);

    int dataColumns() const { return m_cols; }
    int dataRows() const { return m_rows; }
    void setDataColumns(int cols);
    void setDataRows(int rows);

    bool isDataCell(int col, int row) const { return col >= 1 && row >= 1 && col <= m_cols && row <= m_rows; }

    // Raw text of any cell, headings included (0, 0 is the corner).
    QString cellText(int col, int row) const;
    // The text as the cell shows it (reals with their decimals, integers clamped).
    QString displayText(int col, int row) const;
    bool hasStoredText(int col, int row) const;

    // Program writes (no change notification to the user side).
    void storeText(int col, int row, const QString& text);
    void forgetText(int col, int row);
    void forgetAllTexts();
    // Stores the empty text in every data cell of the rectangle (1-based, inclusive).
    void clearToEmpty(const QRect& cells);
    void setTextProvider(std::function<QString(int, int)> provider);

    // The user's edit of a data cell: normalises the text for the cell's type,
    // stores it when it differs and returns true when the cell changed.
    bool userWrite(int col, int row, const QString& text);
    // Normalises a text for a numeric cell; false when a numeric cell cannot take it.
    bool normaliseInput(int col, int row, QString& text) const;

    // Formats. The rectangle is 1-based and inclusive; kOpenEnd for open ends.
    void addFormat(Prop prop, int col1, int row1, int col2, int row2, const QVariant& value);
    GridCellFormat format(int col, int row) const;
    DataGrid::CellType cellType(int col, int row) const;
    QColor backColor(int col, int row) const;
    // Number of stored format entries (to keep the storage bounded).
    int formatEntryCount() const;

    // A read-only grid shows what the program writes; the user can select and
    // copy, but no typing, pasting, clearing or ticking changes a cell.
    void setReadOnly(bool on) { m_readOnly = on; }
    bool isReadOnly() const { return m_readOnly; }
    bool isEditable(int col, int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  signals:
    // A data cell changed through the view's editor.
    void userEdited(int col, int row);

  private:
    struct Entry {
        int c1, r1, c2, r2;
        std::uint64_t seq;
        Prop prop;
        QVariant value;
        bool covers(int c, int r) const { return c >= c1 && c <= c2 && r >= r1 && r <= r2; }
        bool within(int a1, int b1, int a2, int b2) const {
            return c1 >= a1 && c2 <= a2 && r1 >= b1 && r2 <= b2;
        }
    };

    static std::uint64_t key(int col, int row) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(col)) << 32) |
               static_cast<std::uint32_t>(row);
    }
    const Entry* findEntry(Prop prop, int col, int row) const;
    QVariant formatValue(Prop prop, int col, int row) const;
    bool inClearedRect(int col, int row) const;
    void notifyCell(int col, int row);
    // Heading changes are told to the view once per event-loop turn: a sheet
    // fill names 32767 rows, and each notice makes the header lay itself out.
    void noteHeadingChanged(Qt::Orientation orientation, int section);
    void flushHeadingChanges();

    int m_cols = 0;
    int m_rows = 0;
    QHash<std::uint64_t, QString> m_texts;
    std::vector<QRect> m_cleared;        // cells showing empty
    QSet<std::uint64_t> m_providerCells; // inside a cleared rect, yet shown by the provider
    QHash<int, QString> m_colHeadings;
    QHash<int, QString> m_rowHeadings;
    QString m_corner;
    int m_pendingRow1 = 0, m_pendingRow2 = -1; // heading rows changed, not yet told
    int m_pendingCol1 = 0, m_pendingCol2 = -1;
    bool m_headingFlushQueued = false;
    std::function<QString(int, int)> m_provider;
    bool m_readOnly = false;

    std::uint64_t m_seq = 0;
    std::array<std::vector<Entry>, kPropCount> m_blocks; // larger blocks, oldest first
    std::vector<std::vector<Entry>> m_rowIndex;          // small blocks, by row
    int m_rowIndexEntries = 0;
};
