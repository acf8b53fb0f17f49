// hensi2: the two-variable dialog of the histogram, the scatter diagram ("Ｙ軸",
// "Ｘ軸") and the variable graphs. "OK" refuses the same variable twice, builds
// the Analysis set of the two variables and opens the current analysis's next window.
#pragma once

#include "windowkit/ZelWindow.h"

#include <array>

class MainContext;
class QComboBox;
class QLabel;

class hensi2 : public ZelWindow {
    Q_OBJECT
  public:
    explicit hensi2(MainContext& context, QWidget* parent = nullptr);

  private:
    void ok();

    MainContext& m_context;
    std::array<QComboBox*, 2> m_lists{};
};
