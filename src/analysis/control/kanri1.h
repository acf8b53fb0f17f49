// kanri1: the defect-count chart window: the counts of defects against c-bar and
// its limits, or against upper and lower limits the user types in ("規格の入力").
#pragma once

#include "analysis/control/ControlChartWindow.h"

class kanri1 : public ControlChartWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("欠点数データ"); }
    // Refusal of entered limits whose upper limit lies below the lower one.
    static QString limitsOrderText() { return QString::fromUtf8(zel::kEnteredLimitsReversed); }
    static QString limitsTitleText() { return QStringLiteral("管理限界"); }

    explicit kanri1(MainContext& context, QWidget* parent = nullptr);

  protected:
    zel::ControlChartInput inputFor(int chart) const override;
    // "規格の入力" asks for the limits on every fill.
    bool prepareInput(int chart, zel::ControlChartInput& input) override;
};
