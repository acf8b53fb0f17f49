// xrkanri: the Xbar-R chart window: the mean chart above the range chart, drawn from the
// chart data set; a click on a point shows its value and draws that chart again.
#pragma once

#include "analysis/Capability.h"
#include "analysis/control/ControlChartWindow.h"

class CapabilityPanel;

class xrkanri : public ControlChartWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("Xbar-R管理図"); }
    // The captions of the per-chart copy items (colour and monochrome alike).
    static QString firstCopyText() { return QStringLiteral("Ｘｂｅｒ管理図(&X)"); }
    static QString secondCopyText() { return QStringLiteral("Ｒ管理図(&R)"); }

    static QString capabilityCaptionText() { return QStringLiteral("工程能力"); }

    explicit xrkanri(MainContext& context, QWidget* parent = nullptr);
    ~xrkanri() override;

    // "規格値の設定(&S)": the limits dialog on the limits in use; chosen limits are
    // kept for the window and shown in the capability panel (the control
    // charts draw no limit lines).
    void openLimits();
    const zel::SpecificationLimits& limits() const { return m_limits; }
    // The capability panel: a small tool window beside the charts, shown
    // while limits are set.
    QWidget* capabilityWindow() const { return m_capabilityWindow; }
    CapabilityPanel* capabilityBox() const { return m_capability; }

  protected:
    zel::ControlChartInput inputFor(int chart) const override;

  private:
    void showCapability();

    zel::SpecificationLimits m_limits;
    QWidget* m_capabilityWindow = nullptr;
    CapabilityPanel* m_capability = nullptr;
};
