// ResultTableWindow: the frame every result-table window shares. One grid that
// shows a computed table, the decimal-places spin box when the window has one,
// the buttons "OK", "ｷｬﾝｾﾙ" and "印刷", the menus "ﾌｧｲﾙ(&F)" and "編集(&E)" (also
// as the grid's pop-up menu), the resize rules of the window's kind and the
// table print recipe. What the table holds and what "OK" leads to belong to
// each window.
#pragma once

#include "common/ResultTable.h"
#include "windowkit/ZelWindow.h"

#include <QSizeF>
#include <QString>

#include <functional>

class DataGrid;
class MainContext;
class QAction;
class QMenu;
class QLabel;
class QMenuBar;
class QPushButton;
class QSpinBox;

// The resize rules, by window kind.
enum class ResultTableLayout {
    ControlChart, // XR1, XRS1
    PChart,       // p1
    Frequency,    // dobun
    Statistics,   // hakoh, hakohso, pareko
    Regression,   // kaibun, kaityo
};

struct ResultTableSpec {
    zel::WindowId window{};                                   // XR1, dobun ...
    QString caption{};                                        // "Xbar-R管理図" ...
    QString gridName{};                                       // "grid1" or "Spread1"
    QString fileMenuName{}, printItemName{}, endItemName{};   // xbrfile, xbrprint, xbrend
    QString editMenuName{}, copyItemName{}, selectItemName{}; // xbrhen, xbrcopy, xbrsubete
    ResultTableLayout layout = ResultTableLayout::Statistics;
    bool hasCancel = true; // kaibun and kaityo have no "ｷｬﾝｾﾙ"
    // The decimal-places spin box (Label1, Spin1): number cells show that many
    // places, and changing it reformats them.
    bool decimalSpin = false;
    // Its caption and largest value (it starts at kInitialDecimals and goes down to 0).
    QString decimalCaption = QStringLiteral("小数点以下表示桁数：");
    int decimalMaximum = 100;
    // The data columns it formats (every column when the first is 0). Outside
    // them the data cells are whole numbers in -kWholeNumberLimit..kWholeNumberLimit.
    int decimalFirstColumn = 0;
    int decimalLastColumn = 0;
};

class ResultTableWindow : public ZelWindow {
    Q_OBJECT
  public:
    static QString fileMenuText() { return QStringLiteral("ﾌｧｲﾙ(&F)"); }
    static QString printItemText() { return QStringLiteral("印刷(&P)"); }
    static QString endItemText() { return QStringLiteral("終了(&E)"); }
    static QString editMenuText() { return QStringLiteral("編集(&E)"); }
    static QString copyItemText() { return QStringLiteral("コピー(&C)"); }
    static QString selectAllItemText() { return QStringLiteral("すべて選択(&A)"); }
    static constexpr int kInitialDecimals = 2;
    static constexpr int kWholeNumberLimit = 99999999;

    ResultTableWindow(MainContext& context, const ResultTableSpec& design, QWidget* parent = nullptr);
    ~ResultTableWindow() override;

    MainContext& context() const { return m_context; }
    DataGrid& grid() const { return *m_grid; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; } // nullptr without "ｷｬﾝｾﾙ"
    QPushButton* printButton() const { return m_print; }
    QSpinBox* decimalSpin() const { return m_spin; } // nullptr without one
    // The decimal places number cells show: the spin box's value, or the
    // initial places in a window without one.
    int decimals() const;
    QMenuBar* menuBar() const { return m_menuBar; }
    QMenu* editMenu() const { return m_editMenu; }
    // The area below the menu bar; the layout rules work in its size.
    QWidget* client() const { return m_client; }

    // Fills the grid from the table: its size, headings and column widths (a
    // heading wider than its column widens it), every data cell a number cell
    // with decimals() places holding a number's general number text or the
    // cell's text. The current cell is then row 1, column 1.
    void showTable(const zel::ResultTable& table);
    // The same on any grid, for a window of the given design showing the given
    // decimal places (a grid printed without its window).
    static void fillGrid(DataGrid& grid, const ResultTableSpec& design, const zel::ResultTable& table,
                         int decimals);

    // Window-specific controls the bottom-row rules move: the option buttons of
    // the control-chart tables.
    void setOptionButtons(QWidget* first, QWidget* second);

    // The commands.
    void selectAll();
    void copy();
    void print();

  protected:
    // "OK" and "終了(&E)": the window's own continuation; the frame just closes.
    virtual void ok() { close(); }
    // The rules of the window's kind for an inner size in twips.
    void layoutClient(QSizeF twips);
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void addDecimalSpin();
    void applyDecimals(int decimals);
    static bool hasDecimalSpan(const ResultTableSpec& design) { return design.decimalFirstColumn > 0; }
    // Runs format with the grid addressing each column the decimal places apply
    // to (the whole sheet at once without a span); block mode ends.
    static void formatDecimalCells(DataGrid& grid, const ResultTableSpec& design,
                                   const std::function<void()>& format);
    void placeDesign();
    void placeDecimalSpin();
    void orderTabsByPlace();
    void moveSpinTop(double top);

    MainContext& m_context;
    ResultTableSpec m_spec;
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_editMenu = nullptr;
    QWidget* m_client = nullptr;
    DataGrid* m_grid = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_print = nullptr;
    QWidget* m_option1 = nullptr;
    QWidget* m_option2 = nullptr;
    QLabel* m_spinLabel = nullptr;
    QSpinBox* m_spin = nullptr;
    bool m_wholeSheet = false; // "すべて選択" is in force
};
