// henhenf: the rename-variables dialog (modeless). It lists the variable
// names in a grid; OK stores the edited names, rewrites the names file only,
// and puts the names into the sheet's column headings.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class MainContext;

class henhenf : public ZelWindow {
    Q_OBJECT
  public:
    henhenf(MainContext& ctx, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }

  private:
    void onOk();

    MainContext& m_ctx;
    DataGrid* m_grid;
    int m_variables; // K when the dialog opened
};
