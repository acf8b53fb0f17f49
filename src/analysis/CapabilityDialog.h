// The limits dialog of the process capability ("規格値の設定"): the upper and
// lower specification limit and an optional target. Either limit may be left
// empty, both to take the limits away. "OK" checks the fields and refuses a
// text that is no number, a lower limit above the upper one, equal limits and
// a target outside the limits, each with its message, leaving the dialog open;
// otherwise it hands the limits on (chosen) and closes. "ｷｬﾝｾﾙ" closes without
// a change.
#pragma once

#include "analysis/Capability.h"
#include "windowkit/ZelWindow.h"

#include <optional>

class QLineEdit;

class CapabilityDialog : public ZelWindow {
    Q_OBJECT
  public:
    static QString objectNameText() { return QStringLiteral("CapabilityDialog"); }
    static QString captionText() { return QStringLiteral("規格値の設定"); }
    // The options-menu item that opens it (histogram and Xbar-R windows).
    static QString menuText() { return QStringLiteral("規格値の設定(&S)"); }
    static QString upperText() { return QStringLiteral("上限規格"); }
    static QString lowerText() { return QStringLiteral("下限規格"); }
    static QString targetText() { return QStringLiteral("目標値"); }

    // Opens on the limits in use (empty fields for those unset).
    explicit CapabilityDialog(const zel::SpecificationLimits& current, QWidget* parent = nullptr);

    // Runs the dialog modally on the limits in use: the limits chosen, or
    // nothing when it is cancelled (or one is open already, which is brought
    // forward instead).
    static std::optional<zel::SpecificationLimits> ask(const zel::SpecificationLimits& current,
                                                       QWidget* parent = nullptr);

    QLineEdit* upperBox() const { return m_upper; }
    QLineEdit* lowerBox() const { return m_lower; }
    QLineEdit* targetBox() const { return m_target; }

  signals:
    // The checked limits of "OK", just before the dialog closes.
    void chosen(const zel::SpecificationLimits& limits);

  private:
    void onOk();

    QLineEdit* m_upper = nullptr;
    QLineEdit* m_lower = nullptr;
    QLineEdit* m_target = nullptr;
};
