// xrshensi: the variable dialog of the X-Rs analysis. One variable, or "Xbar"
// for the mean of every variable of each sample; "OK" collects the values and
// opens the table window XRS1.
#pragma once

#include "analysis/VariableDialog.h"

class xrshensi : public VariableDialog {
    Q_OBJECT
  public:
    explicit xrshensi(MainContext& context, QWidget* parent = nullptr);

  private:
    void ok() override;
};
