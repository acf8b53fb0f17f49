// hensi2: the two-variable dialog of the histogram, the scatter diagram ("Ｙ軸",
// "Ｘ軸") and the variable graphs. "OK" refuses the same variable twice, builds
// the Analysis set of the two variables and opens the current analysis's next window.
#pragma once

#include "analysis/VariableDialog.h"

class hensi2 : public VariableDialog {
    Q_OBJECT
  public:
    explicit hensi2(MainContext& context, QWidget* parent = nullptr);

  private:
    void ok() override;
};
