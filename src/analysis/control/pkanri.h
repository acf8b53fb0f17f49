// pkanri: the P-Pn chart window: the fraction-defective chart above the
// number-of-defectives chart, with the limits of each lot from its own size.
#pragma once

#include "analysis/control/ControlChartWindow.h"

class pkanri : public ControlChartWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("P-Pn 管理図"); }
    // The captions of the per-chart copy items (colour and monochrome alike).
    static QString firstCopyText() { return QStringLiteral("Ｐ管理図(&P)"); }
    static QString secondCopyText() { return QStringLiteral("Ｐｎ管理図(&N)"); }

    explicit pkanri(MainContext& context, QWidget* parent = nullptr);

  protected:
    zel::ControlChartInput inputFor(int chart) const override;
};
