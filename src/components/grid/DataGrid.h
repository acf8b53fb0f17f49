// DataGrid: the spreadsheet grid every table of the program uses (the data
// sheet, result tables, dialog grids, the toolbar cells). A QTableView over its
// own table model; cells are addressed like the program has always addressed
// them: a current cell (0 = heading, -1 = every column or row) and an optional
// block to its far corner (-1 = last). No per-cell objects: texts are kept
// sparsely and may come from a text provider, formats are kept per block.
#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QTableView>

#include <functional>
#include <memory>

class GridModel;

class DataGrid : public QTableView {
    Q_OBJECT
  public:
    enum class CellType { Text = 1, Real = 2, Integer = 3, Button = 7, CheckBox = 10 };
    enum class EnterAction { Stay = 0, MoveRight = 5 };
    enum class Action { SelectBlock = 2, Print = 13, Copy = 22, Cut = 23, Paste = 24 };

    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // Data columns and rows (the heading column 0 and heading row 0 are extra).
    void setColumnCount(int cols);
    int columnCount() const;
    void setRowCount(int rows);
    int rowCount() const;

    // Addressing. 0 = the heading, -1 = every column / every row.
    void setCurrentCol(int col);
    int currentCol() const;
    void setCurrentRow(int row);
    int currentRow() const;
    void setBlockCol2(int col); // -1 = last column
    void setBlockRow2(int row); // -1 = last row
    void setBlockMode(bool on); // while on, format settings apply to the whole block
    bool blockMode() const;

    // Text of the addressed cell (headings included).
    void setCellText(const QString& text);
    QString cellText() const;
    // Direct access to one cell without moving the current cell.
    void setText(int col, int row, const QString& text);
    QString text(int col, int row) const;
    // Forgets every stored text of the data cells (headings stay); the text
    // provider, when set, then supplies them.
    void clearStoredTexts();
    // Forgets the stored text of one data cell.
    void clearStoredText(int col, int row);
    // Supplies the text of data cells that have no stored text (the data sheet
    // shows its dataset this way without copying it into the grid).
    void setTextProvider(std::function<QString(int col, int row)> provider);

    // Formats of the addressed cells (or the block while block mode is on).
    void setCellType(CellType type);
    void setDecimalPlaces(int decimals); // for real cells
    void setIntegerRange(int min, int max);
    void setButtonPicture(const QPixmap& picture);
    void setButtonCaption(const QString& caption);
    void setButtonColors(const QColor& face, const QColor& shadow, const QColor& highlight,
                         const QColor& text);
    void setCheckCaption(const QString& caption);
    void setCheckValue(bool checked);
    bool checkValue() const;
    // The value of the check box at (col, row): its text read as a number, not 0.
    bool isChecked(int col, int row) const;
    void setRightAligned(bool right);
    void setBackColor(const QColor& color);
    QColor backColor(int col, int row) const;

    // Widths in characters (col -1 = every column, 0 = the row-heading column),
    // heights in points (row -1 = every row, 0 = the heading row).
    void setColumnWidthAt(int col, double chars);
    double columnWidthAt(int col) const;
    // Widens column col (0 = the row headings with the corner) where one of its
    // heading texts would be cut off; a column wide enough keeps its width.
    void widenToHeadings(int col);
    void setRowHeightAt(int row, double points);
    double rowHeightAt(int row) const;

    // Select-block, print, copy, cut, paste.
    void doAction(Action action);

    // True while a cell's editor is open.
    bool isEditing() const;
    // Stores the text of an open editor and closes it (nothing when none is open).
    void commitOpenEditor();

    // Result tables: the user selects and copies; typing, paste, cut, Delete and
    // check boxes change nothing.
    void setReadOnly(bool on);
    bool isReadOnly() const;

    void setEnterAction(EnterAction action);
    EnterAction enterAction() const;
    void setReplaceMode(bool replace); // on: typing replaces the text; off: adds to it
    bool replaceMode() const;
    // The grids of dialogs and result tables: Enter while no cell is being
    // edited is left to the window, whose default button ("OK") answers it.
    // Enter in an open edit still stores it and applies the Enter action. Off
    // (the data sheet): Enter is the grid's own key and only applies the Enter
    // action.
    void setEnterToWindow(bool on);
    bool enterToWindow() const;

    void setHeadingsVisible(bool visible);
    void setScrollBarsVisible(bool visible);
    void setGridLinesVisible(bool visible);

    // The selected block in data-cell coordinates (1-based), or an empty rect.
    QRect selectedBlock() const;

    // Printing settings kept for the print action.
    struct PrintSettings {
        QString jobName;
        QString header; // markup: "/c" centres what follows, "/n" new line, "/P" page number
        QString footer;
        QString abortMessage;
        bool border = true;
        int marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0; // twips
    };
    PrintSettings& printSettings();
    // The print action calls this; the printing module installs it.
    void setPrintHandler(std::function<void(DataGrid&)> handler);

    GridModel* gridModel() const;

    // Colour of the area the cells leave free (the toolbar cells use grey).
    void setGridBackground(const QColor& color);
    // Without scroll bars the grid asks for exactly the size of its cells.
    QSize sizeHint() const override;
    // Rows of copied text end with CR LF; paste accepts CR LF, LF or CR.
    static QString toTabSeparated(const QList<QStringList>& rows);
    static QList<QStringList> fromTabSeparated(const QString& text);

  signals:
    // The user changed the content of a data cell (typing, paste, cut).
    void cellChanged(int col, int row);
    void mouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void mouseMoved(const QPoint& pos);
    void buttonClicked(int col, int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;
    // F2 and a double click open the cell's text to add to it: the caret at
    // its end, nothing selected (typing onto a cell follows the typing mode).
    using QTableView::edit;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

  public slots:
    void keyboardSearch(const QString& search) override;

  private:
    void syncActiveCell();
    QModelIndex activeIndex() const;
    QRect formatRange() const;
    QRect blockRange() const;
    QRect selectionRect() const;
    void forEachAddressedTextCell(const std::function<void(int, int)>& fn) const;
    void applyFormat(int prop, const QVariant& value);
    void notifyChanged(int col, int row);
    void startTypingEdit(const QString& typed);
    void moveRight();
    void toggleCheck(const QModelIndex& index);
    void clearCells(const QRect& cells);
    void copySelection();
    void pasteAtActiveCell();
    void applySizes();
    double charWidth() const;
    int pxForChars(double chars) const;
    void paintCorner(QWidget* corner);

    struct Private;
    std::unique_ptr<Private> d;
};
