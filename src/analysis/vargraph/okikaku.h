// okikaku: the modal classification dialog "区分データの指定" of the variable
// graphs. One row per sample position with a check box "区分する", the data
// label and the value of series 1; "OK" stores the checked rows as the
// classification flags (none checked: no classification), "印刷" prints the grid.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class MainContext;

class okikaku : public ZelWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("区分データの指定"); }
    static QString checkCaptionText() { return QStringLiteral("区分する"); }

    explicit okikaku(MainContext& context, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }

  private:
    void ok();
    void print();

    MainContext& m_context;
    DataGrid* m_grid = nullptr;
};
