// ClassificationDialog: the modal dialog "区分データの指定" of the kind-list
// graph windows. One row per class or sample with a check box "区分する" and
// read-only columns that say what the row is; "OK" stores the checked rows as
// the classification flags (none checked: no classification), "印刷" prints
// the grid.
#pragma once

#include "windowkit/ZelWindow.h"

#include <QStringList>

#include <functional>
#include <vector>

class DataGrid;
class MainContext;

class ClassificationDialog : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("区分データの指定"); }
    static QString checkCaptionText() { return QStringLiteral("区分する"); }

    DataGrid* grid() const { return m_grid; }

    // The grid's name and the heading of every column (the row headings
    // "NO.1", "NO.2" ... first, then the check boxes, then the texts) with
    // their widths in characters.
    struct Layout {
        QString gridName;
        QStringList headings;
        std::vector<double> widths;
    };

  protected:
    // rowTexts(row) gives the texts after the check box of row 1..rows.
    ClassificationDialog(MainContext& context, zel::WindowId window, const Layout& layout, int rows,
                         const std::function<QStringList(int row)>& rowTexts, QWidget* parent);

  private:
    void ok();
    void print();

    MainContext& m_context;
    DataGrid* m_grid = nullptr;
};
