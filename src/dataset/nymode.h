// nymode: the input-mode dialog of the data sheet. It shows and changes what the
// Enter key does (move right or stay) and whether typing replaces a cell's text
// or adds to it. The choices are not stored; every start begins with the grid's
// own defaults.
#pragma once

#include "windowkit/ZelWindow.h"

class DataGrid;
class QButtonGroup;
class QRadioButton;

class nymode : public ZelWindow {
    Q_OBJECT
  public:
    nymode(DataGrid* grid, QWidget* parent = nullptr);

    // Sets the options from the grid's current settings. A setting with a value
    // neither option stands for leaves both options of its frame unselected.
    void showGridSettings();

  private:
    void applyToGrid();

    DataGrid* m_grid;
    QButtonGroup* m_enterGroup;
    QButtonGroup* m_typingGroup;
    QRadioButton* m_moveRight;
    QRadioButton* m_stay;
    QRadioButton* m_add;
    QRadioButton* m_replace;
};
