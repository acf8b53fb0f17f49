// ResultTableWindow: the frame every result-table window shares. One grid with
// the computed table, the buttons "OK", "ｷｬﾝｾﾙ" and "印刷", the menus "ﾌｧｲﾙ(&F)"
// and "編集(&E)" (also as the grid's pop-up menu), the resize rules of the
// window's kind and the table print recipe. What the table holds and what "OK"
// leads to belong to each window.
#pragma once

#include "windowkit/ZelWindow.h"

#include <QSizeF>
#include <QString>

class DataGrid;
class MainContext;
class QAction;
class QMenu;
class QMenuBar;
class QPushButton;

// The resize rules, by window kind.
enum class ResultTableLayout {
    ControlChart, // XR1, XRS1
    PChart,       // p1
    Frequency,    // dobun
    Statistics,   // hakoh, hakohso, pareko
    Regression,   // kaibun, kaityo
};

struct ResultTableSpec {
    QString name;                                       // objectName: "XR1", "dobun" ...
    QString caption;                                    // "Xbar-R管理図" ...
    QString gridName;                                   // "grid1" or "Spread1"
    QString fileMenuName, printItemName, endItemName;   // xbrfile, xbrprint, xbrend
    QString editMenuName, copyItemName, selectItemName; // xbrhen, xbrcopy, xbrsubete
    ResultTableLayout layout = ResultTableLayout::Statistics;
    bool hasCancel = true; // kaibun and kaityo have no "ｷｬﾝｾﾙ"
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

    ResultTableWindow(MainContext& context, const ResultTableSpec& design, QWidget* parent = nullptr);
    ~ResultTableWindow() override;

    MainContext& context() const { return m_context; }
    DataGrid& grid() const { return *m_grid; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; } // nullptr without "ｷｬﾝｾﾙ"
    QPushButton* printButton() const { return m_print; }
    QMenuBar* menuBar() const { return m_menuBar; }
    QMenu* editMenu() const { return m_editMenu; }
    // The area below the menu bar; the layout rules work in its size.
    QWidget* client() const { return m_client; }

    // Window-specific controls the bottom-row rules move: the option buttons of
    // the control-chart tables and the decimal-places spin box.
    void setOptionButtons(QWidget* first, QWidget* second);
    void setDecimalSpin(QWidget* spin);

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
    void placeDesign();

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
    QWidget* m_spin = nullptr;
    bool m_wholeSheet = false; // "すべて選択" is in force
};
