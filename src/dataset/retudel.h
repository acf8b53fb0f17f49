// retudel: the delete-columns dialog. Every variable has a check box; OK
// deletes the checked variables (never all of them), rebuilds the sheet and
// writes the dataset files at once.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class MainContext;

class retudel : public ZelWindow {
    Q_OBJECT
  public:
    retudel(MainContext& ctx, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }

  private:
    void onOk();

    MainContext& m_ctx;
    DataGrid* m_grid;
};
