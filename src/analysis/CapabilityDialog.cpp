// The limits dialog of the process capability.
#include "analysis/CapabilityDialog.h"

#include "common/NumberText.h"
#include "windowkit/MessageBox.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QString fieldText(const std::optional<double>& value) {
    return value ? QString::fromStdString(zel::generalNumberText(*value)) : QString();
}

} // namespace

CapabilityDialog::CapabilityDialog(const zel::SpecificationLimits& current, QWidget* parent)
    : ZelWindow(objectNameText(), parent) {
    setWindowTitle(captionText());
    auto* fields = new QFormLayout;
    const auto addField = [&](const QString& label, const std::optional<double>& value, int number) {
        auto* caption = new QLabel(label, this);
        caption->setObjectName(QStringLiteral("Label%1").arg(number));
        auto* box = new QLineEdit(fieldText(value), this);
        box->setObjectName(QStringLiteral("Text%1").arg(number));
        caption->setBuddy(box);
        fields->addRow(caption, box);
        return box;
    };
    m_upper = addField(upperText(), current.upper, 1);
    m_lower = addField(lowerText(), current.lower, 2);
    m_target = addField(targetText(), current.target, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { onOk(); }));
    resize(300, 170);
}

void CapabilityDialog::onOk() {
    const zel::Result<zel::SpecificationLimits> limits = zel::specificationFromTexts(
        m_upper->text().toStdString(), m_lower->text().toStdString(), m_target->text().toStdString());
    if (!limits) {
        MessageBox::refusal(this, QString::fromStdString(limits.status().message()), captionText());
        return;
    }
    emit chosen(limits.value());
    accept();
}

std::optional<zel::SpecificationLimits> CapabilityDialog::ask(const zel::SpecificationLimits& current,
                                                              QWidget* parent) {
    if (CapabilityDialog* open = findOpen<CapabilityDialog>()) {
        open->bringForward();
        return std::nullopt;
    }
    std::optional<zel::SpecificationLimits> answer;
    auto* dialog = new CapabilityDialog(current, parent);
    connect(dialog, &CapabilityDialog::chosen, dialog,
            [&answer](const zel::SpecificationLimits& limits) { answer = limits; });
    dialog->exec(); // deletes the dialog when it closes
    return answer;
}
