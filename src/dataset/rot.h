// rot: the variable-name dialog of a new dataset ("変数名の入力"). Its OK creates
// the dataset: K named variables, N samples of zeros labelled 1..N, written to
// the dataset's files at once and shown in the sheet. Modal.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class MainContext;

class rot : public ZelWindow {
    Q_OBJECT
  public:
    rot(MainContext& ctx, int samples, int variables, QWidget* parent = nullptr);

    DataGrid* namesGrid() const { return m_grid; }

  private:
    void onOk();

    MainContext& m_ctx;
    int m_samples;
    int m_variables;
    DataGrid* m_grid;
};
