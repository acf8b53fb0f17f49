// gyoudel: the delete-rows dialog. Every sample has a check box; OK deletes
// the checked samples (never all of them), rebuilds the sheet and writes the
// dataset files at once.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class MainContext;

class gyoudel : public ZelWindow {
    Q_OBJECT
  public:
    gyoudel(MainContext& ctx, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }

  private:
    void onOk();

    MainContext& m_ctx;
    DataGrid* m_grid;
};
