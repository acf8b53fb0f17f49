// inmode: the data-printing window. It shows a copy of the dataset's values in
// its own grid, lets the user choose fixed decimals, the column width and the
// program-wide print margins, and prints the grid as the data print.
#pragma once

#include "windowkit/ZelWindow.h"

#include <vector>

class DataGrid;
class MainContext;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

class inmode : public ZelWindow {
    Q_OBJECT
  public:
    explicit inmode(MainContext& ctx, QWidget* parent = nullptr);

    DataGrid* grid() const { return m_grid; }

  private:
    void fillGrid();
    void applyFixedDecimals();
    void applyDecimals();
    void applyColumnWidth();
    void printData();

    MainContext& m_ctx;
    // The values as they were when the window opened, row-major.
    std::vector<double> m_values;
    int m_samples = 0;
    int m_variables = 0;

    DataGrid* m_grid;
    QSpinBox* m_top;
    QSpinBox* m_bottom;
    QSpinBox* m_left;
    QSpinBox* m_right;
    QCheckBox* m_fixed;
    QLabel* m_decimalsLabel;
    QSpinBox* m_decimals;
    QSpinBox* m_width;
    QPushButton* m_print;
    QPushButton* m_cancel;
};
