// hensi3: the three-variable dialog of the histogram, the scatter diagram, the
// three-dimensional scatter diagram and the variable graphs. "OK" refuses two
// lists on the same variable, builds the Analysis set of the three variables and
// opens the current analysis's next window.
#pragma once

#include "analysis/VariableDialog.h"

class hensi3 : public VariableDialog {
    Q_OBJECT
  public:
    explicit hensi3(MainContext& context, QWidget* parent = nullptr);

  private:
    void ok() override;
};
