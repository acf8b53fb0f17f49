// grids: the modal grid-line dialog "グラフの設定". Shows the stored grid-line
// settings; "OK" stores them in section "graph" and redraws the current
// analysis's chart(s) with them.
#pragma once

#include "windowkit/ZelWindow.h"

#include <array>

class MainContext;
class QCheckBox;
class QPushButton;
class QRadioButton;

class grids : public ZelWindow {
    Q_OBJECT
  public:
    explicit grids(MainContext& context, QWidget* parent = nullptr);

  private:
    void ok();

    MainContext& m_context;
    QCheckBox* m_horizontal = nullptr;
    QCheckBox* m_vertical = nullptr;
    std::array<QRadioButton*, 5> m_options{};
};
