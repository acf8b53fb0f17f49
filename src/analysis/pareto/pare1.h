// pare1: the item value dialog of the Pareto analysis. One list of the
// variables followed by "合計"; "OK" builds the Analysis set of the item values
// and opens the table window pareko, or refuses a sum of 0 or less.
#pragma once

#include "analysis/VariableDialog.h"

class pare1 : public VariableDialog {
    Q_OBJECT
  public:
    static QString refusalTitle() { return QStringLiteral("データの入力"); }

    explicit pare1(MainContext& context, QWidget* parent = nullptr);

  private:
    void ok() override;
};

// Opens pare1 (modeless; an open one comes forward).
ZelWindow* openPare1(MainContext& context);
