// p1: the P-Pn table window. Computes the totals, averages, the lot table and
// the control lines of the lots phensi2 collected, shows them and writes the
// limits file; "OK" fills the plotted values and leads to the chart window pkanri.
#pragma once

#include "windowkit/MainContext.h"

#include "analysis/control/ControlTableWindow.h"

class p1 : public ControlTableWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("P-Pn 管理図"); }

    explicit p1(MainContext& context, QWidget* parent = nullptr);

  protected:
    void prepareForChart() override;
    void openChartWindow() override;
};
