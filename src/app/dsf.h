// dsf: asks whether to delete every recorded window position and size (the
// section "Setting" of the settings store).
#pragma once

#include "windowkit/ZelWindow.h"

class dsf : public ZelWindow {
    Q_OBJECT
  public:
    explicit dsf(QWidget* parent = nullptr);

  private:
    void onYes();
};
