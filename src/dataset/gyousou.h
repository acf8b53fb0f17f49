// gyousou: the insert-rows dialog.
#pragma once

#include "dataset/InsertDialog.h"

class gyousou : public InsertDialog {
    Q_OBJECT
  public:
    explicit gyousou(MainContext& ctx, QWidget* parent = nullptr);
};
