// okikaku: the classification dialog of the variable graphs. One row per
// sample position with the data label and the value of series 1.
#pragma once

#include "analysis/ClassificationDialog.h"

class okikaku : public ClassificationDialog {
    Q_OBJECT
  public:
    explicit okikaku(MainContext& context, QWidget* parent = nullptr);
};
