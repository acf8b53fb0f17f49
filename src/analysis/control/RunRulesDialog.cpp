// The run-rule dialog and the stored choice of rules.
#include "analysis/control/RunRulesDialog.h"

#include "common/SettingsStore.h"
#include "windowkit/AppSettings.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include <vector>

namespace {

zel::RunRule ruleAt(int index) {
    return static_cast<zel::RunRule>(index + 1);
}

} // namespace

zel::RuleSet storedRunRules(const zel::SettingsStore& store) {
    const std::string text = store.read(kRunRulesSection, kRunRulesKey, zel::kDefaultRulesText);
    if (text.empty()) return {}; // every rule switched off
    const zel::Result<zel::RuleSet> rules = zel::parseRuleSet(text);
    return rules ? rules.value() : zel::RuleSet::defaults();
}

void storeRunRules(zel::SettingsStore& store, const zel::RuleSet& rules) {
    std::vector<int> numbers;
    for (int i = 0; i < zel::kRunRuleCount; ++i)
        if (rules.contains(ruleAt(i))) numbers.push_back(i + 1);
    store.write(kRunRulesSection, kRunRulesKey, zel::joinedRuleNumbers(numbers, ','));
}

QString RunRulesDialog::ruleText(zel::RunRule rule) {
    const std::string_view explanation = zel::runRuleExplanation(rule);
    return QStringLiteral("%1  %2")
        .arg(static_cast<int>(rule))
        .arg(QString::fromUtf8(explanation.data(), static_cast<qsizetype>(explanation.size())));
}

RunRulesDialog::RunRulesDialog(const zel::RuleSet& current, QWidget* parent)
    : ZelWindow(objectNameText(), parent) {
    setWindowTitle(captionText());
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < zel::kRunRuleCount; ++i) {
        auto* box = new QCheckBox(ruleText(ruleAt(i)), this);
        box->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        box->setChecked(current.contains(ruleAt(i)));
        layout->addWidget(box);
        m_boxes[static_cast<std::size_t>(i)] = box;
    }
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] {
        emit chosen(chosenRules());
        accept();
    }));
}

zel::RuleSet RunRulesDialog::chosenRules() const {
    zel::RuleSet rules;
    for (int i = 0; i < zel::kRunRuleCount; ++i)
        if (m_boxes[static_cast<std::size_t>(i)]->isChecked()) rules.add(ruleAt(i));
    return rules;
}

QCheckBox* RunRulesDialog::ruleBox(zel::RunRule rule) const {
    const int i = static_cast<int>(rule) - 1;
    return i >= 0 && i < zel::kRunRuleCount ? m_boxes[static_cast<std::size_t>(i)] : nullptr;
}

bool RunRulesDialog::ask(QWidget* parent) {
    if (RunRulesDialog* open = findOpen<RunRulesDialog>()) {
        open->bringForward();
        return false;
    }
    bool stored = false;
    auto* dialog = new RunRulesDialog(storedRunRules(zel::appSettings()), parent);
    connect(dialog, &RunRulesDialog::chosen, dialog, [&stored](const zel::RuleSet& rules) {
        storeRunRules(zel::appSettings(), rules);
        stored = true;
    });
    dialog->exec(); // deletes the dialog when it closes
    return stored;
}
