// kikaku: the classification dialog of the histogram. One row per class with
// the class range, its mid-value and the count of the first series.
#pragma once

#include "analysis/ClassificationDialog.h"

class kikaku : public ClassificationDialog {
    Q_OBJECT
  public:
    explicit kikaku(MainContext& context, QWidget* parent = nullptr);
};
