// hensi1: the one-variable dialog of the histogram and the variable graphs. Its
// list holds the variables and "全データ"; "OK" builds the Analysis set of the
// chosen variable (or of every value) and opens the current analysis's next window.
#pragma once

#include "analysis/VariableDialog.h"

class hensi1 : public VariableDialog {
    Q_OBJECT
  public:
    explicit hensi1(MainContext& context, QWidget* parent = nullptr);

  private:
    void ok() override;
};
