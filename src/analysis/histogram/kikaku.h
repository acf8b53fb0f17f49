// kikaku: the modal classification dialog "区分データの指定". One row per class
// with a check box "区分する", the class range, its mid-value and the count of
// the first series; "OK" stores the checked classes as the classification
// flags (none checked: no classification), "印刷" prints the grid.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class MainContext;

class kikaku : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("区分データの指定"); }
    static QString checkCaptionText() { return QStringLiteral("区分する"); }

    explicit kikaku(MainContext& context, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }

  private:
    void ok();
    void print();

    MainContext& m_context;
    DataGrid* m_grid = nullptr;
};
