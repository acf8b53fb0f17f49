// The run-rule dialog of the control-chart windows ("判定ルールの設定"): one
// check box per rule, captioned with the rule's number and its explanation,
// opening on the rules in use. "OK" keeps the choice in the settings store
// (section "rules", key "set": the rule numbers joined by commas, empty for
// none) and closes; "ｷｬﾝｾﾙ" closes without a change. The windows read the
// stored choice at every drawing; without one, rules 1 to 4 are judged.
#pragma once

#include "analysis/control/RunRules.h"
#include "windowkit/ZelWindow.h"

#include <array>

class QCheckBox;

namespace zel {
class SettingsStore;
}

// Where the choice is kept.
inline constexpr const char* kRunRulesSection = "rules";
inline constexpr const char* kRunRulesKey = "set";

// The rules the store holds: the defaults when it holds none, or a text that
// is no rule list (a hand-edited file).
zel::RuleSet storedRunRules(const zel::SettingsStore& store);
void storeRunRules(zel::SettingsStore& store, const zel::RuleSet& rules);

class RunRulesDialog : public ZelWindow {
    Q_OBJECT
  public:
    static QString objectNameText() { return QStringLiteral("RunRulesDialog"); }
    static QString captionText() { return QStringLiteral("判定ルールの設定"); }
    // The options-menu item that opens it (every control-chart window).
    static QString menuText() { return QStringLiteral("判定ルールの設定(&J)"); }
    // The caption of a rule's check box: "1  管理限界の外に出た点".
    static QString ruleText(zel::RunRule rule);

    explicit RunRulesDialog(const zel::RuleSet& current, QWidget* parent = nullptr);

    // Runs the dialog modally on the application settings store's rules; true
    // when "OK" stored a choice (false when cancelled, or when one is open
    // already, which is brought forward instead).
    static bool ask(QWidget* parent = nullptr);

    // The rules the boxes tick.
    zel::RuleSet chosenRules() const;
    QCheckBox* ruleBox(zel::RunRule rule) const;

  signals:
    void chosen(const zel::RuleSet& rules);

  private:
    std::array<QCheckBox*, zel::kRunRuleCount> m_boxes{};
};
