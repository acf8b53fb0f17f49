// retusou: the insert-columns dialog.
#pragma once

#include "dataset/InsertDialog.h"

class retusou : public InsertDialog {
    Q_OBJECT
  public:
    explicit retusou(MainContext& ctx, QWidget* parent = nullptr);
};
