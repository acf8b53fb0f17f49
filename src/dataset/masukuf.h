// masukuf: the mask dialog (modeless). One check box per sample says whether
// every analysis leaves the sample out. OK stores the masks, rewrites the
// names file only and recolours the sheet; the option menu inverts every box.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class MainContext;

class masukuf : public ZelWindow {
    Q_OBJECT
  public:
    masukuf(MainContext& ctx, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }

    // "マスクの反転(&C)": every checked row becomes unchecked and every other row checked.
    void invertMasks();

  private:
    void onOk();

    MainContext& m_ctx;
    DataGrid* m_grid;
    int m_samples; // N when the dialog opened
};
