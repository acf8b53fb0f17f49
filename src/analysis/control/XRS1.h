// XRS1: the X-Rs table window. Computes the moving ranges and the control
// lines of the values the variable dialog xrshensi collected, shows them and
// writes the limits file; "OK" leads to the chart window xrskanri.
#pragma once

#include "windowkit/MainContext.h"

#include "analysis/control/ControlTableWindow.h"

class XRS1 : public ControlTableWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("X-Rs管理図"); }

    explicit XRS1(MainContext& context, QWidget* parent = nullptr);

  protected:
    void openChartWindow() override;
};
