// hensi3: the three-variable dialog of the histogram, the scatter diagram, the
// three-dimensional scatter diagram and the variable graphs. "OK" refuses two
// lists on the same variable, builds the Analysis set of the three variables and
// opens the current analysis's next window.
#pragma once

#include "windowkit/ZelWindow.h"

#include <array>

class MainContext;
class QComboBox;

class hensi3 : public ZelWindow {
    Q_OBJECT
  public:
    explicit hensi3(MainContext& context, QWidget* parent = nullptr);

  private:
    void ok();

    MainContext& m_context;
    std::array<QComboBox*, 3> m_lists{};
};
