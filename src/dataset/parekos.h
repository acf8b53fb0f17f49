// parekos: the data-label dialog (modeless). It lists every sample's data
// label for editing; OK stores the labels and rewrites the names file only.
// When it was opened as the first step of the Pareto analysis, OK goes on to
// the Pareto variable dialog. However it closes, the data-label flag ends 0.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class MainContext;

class parekos : public ZelWindow {
    Q_OBJECT
  public:
    parekos(MainContext& ctx, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }

    void done(int r) override;

  private:
    void onOk();
    void print();
    void selectAllLabels();

    MainContext& m_ctx;
    DataGrid* m_grid;
    int m_samples; // N when the dialog opened
};
