// bunform: the graph settings dialog.
#include "analysis/histogram/bunform.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/histogram/ClassTable.h"
#include "analysis/statistics/Stratification.h"
#include "common/NumberText.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString numberText(double value) {
    return QString::fromStdString(zel::generalNumberText(value));
}
double numberOf(const QString& text) {
    return zel::lenientParse(text.toStdString());
}

QLabel* captionFor(QWidget* field, const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(field);
    return label;
}

} // namespace

const zel::AnalysisSet& bunform::countedSeries(MainContext& context, zel::AnalysisSet& strata) {
    zel::Workspace& ws = context.workspace();
    if (currentAnalysis(context) != zel::AnalysisId::StratifiedHistogram) return ws.analysisSet;
    strata = zel::stratifiedHistogramSeries(ws.stratifiedSet);
    return strata;
}

bunform::bunform(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::bunform, parent), m_context(context) {
    setWindowTitle(captionText());

    // The data's range.
    auto* data = new QGroupBox(QStringLiteral("入力されたデータの情報"), this);
    data->setObjectName(QStringLiteral("Frame1"));
    m_max = new QLabel(data);
    m_max->setObjectName(QStringLiteral("maxValue"));
    m_min = new QLabel(data);
    m_min->setObjectName(QStringLiteral("minValue"));
    auto* dataRows = new QGridLayout(data);
    dataRows->addWidget(captionFor(m_max, QStringLiteral("max"), QStringLiteral("maxLabel"), data), 0, 0);
    dataRows->addWidget(m_max, 0, 1);
    dataRows->addWidget(captionFor(m_min, QStringLiteral("min"), QStringLiteral("minLabel"), data), 1, 0);
    dataRows->addWidget(m_min, 1, 1);
    dataRows->setColumnStretch(1, 1);

    // The settings.
    m_upper = new QLineEdit(this);
    m_upper->setObjectName(QStringLiteral("Text1"));
    m_lower = new QLineEdit(this);
    m_lower->setObjectName(QStringLiteral("Text2"));
    m_classes = new QSpinBox(this);
    m_classes->setObjectName(QStringLiteral("Spin1"));
    m_classes->setRange(zel::kMinClasses, zel::kMaxClasses);
    m_classes->setSingleStep(1);
    m_classes->setValue(zel::kInitialClasses);
    m_width = new QLineEdit(this);
    m_width->setObjectName(QStringLiteral("Text3"));

    auto* fieldRows = new QGridLayout;
    fieldRows->addWidget(captionFor(m_upper, QStringLiteral("作成するグラフの上限値"), QStringLiteral("Label1"), this), 0, 0);
    fieldRows->addWidget(m_upper, 0, 1);
    fieldRows->addWidget(captionFor(m_lower, QStringLiteral("作成するグラフの下限値"), QStringLiteral("Label2"), this), 1, 0);
    fieldRows->addWidget(m_lower, 1, 1);
    fieldRows->addWidget(captionFor(m_classes, QStringLiteral("作成するグラフのクラス"), QStringLiteral("Label3"), this), 2, 0);
    auto* spinRow = new QHBoxLayout;
    spinRow->addWidget(m_classes);
    spinRow->addWidget(captionFor(m_classes, QStringLiteral("ｸﾗｽ"), QStringLiteral("Label4"), this));
    spinRow->addStretch(1);
    fieldRows->addLayout(spinRow, 2, 1);
    fieldRows->addWidget(captionFor(m_width, QStringLiteral("区間の幅"), QStringLiteral("Label5"), this), 3, 0);
    fieldRows->addWidget(m_width, 3, 1);

    m_byWidth = new QRadioButton(QStringLiteral("区間幅で調整"), this);
    m_byWidth->setObjectName(QStringLiteral("Option1"));
    m_byUpper = new QRadioButton(QStringLiteral("上限値で調整"), this);
    m_byUpper->setObjectName(QStringLiteral("Option2"));
    m_byWidth->setChecked(true);
    auto* options = new QHBoxLayout;
    options->addWidget(m_byWidth);
    options->addWidget(m_byUpper);
    options->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(data);
    layout->addLayout(fieldRows);
    layout->addLayout(options);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { onOk(); }));

    for (QLineEdit* field : {m_upper, m_lower, m_width})
        connect(field, &QLineEdit::textChanged, this, [this, field] { fieldChanged(field); });
    connect(m_classes, &QSpinBox::valueChanged, this, [this] { fieldChanged(nullptr); });
    connect(m_byWidth, &QRadioButton::toggled, this, &bunform::optionChosen);

    // Opening: the data's range, the limits on it and the width through the rule.
    zel::AnalysisSet strata;
    const zel::DataRange range = zel::dataRange(countedSeries(context, strata));
    m_max->setText(numberText(range.max));
    m_min->setText(numberText(range.min));
    m_upper->setText(numberText(range.max));
    m_lower->setText(numberText(range.min));
    optionChosen();
    resize(380, 330);
}

zel::ClassAdjust bunform::adjust() const {
    return m_byUpper->isChecked() ? zel::ClassAdjust::Upper : zel::ClassAdjust::Width;
}

zel::ClassSettings bunform::fields() const {
    zel::ClassSettings s;
    s.upper = numberOf(m_upper->text());
    s.lower = numberOf(m_lower->text());
    s.classes = m_classes->value();
    s.width = numberOf(m_width->text());
    return s;
}

void bunform::fieldChanged(QLineEdit* changed) {
    // Each option follows the changes of the fields it does not write.
    const zel::ClassAdjust a = adjust();
    if (a == zel::ClassAdjust::Width && changed != m_width) {
        const zel::ClassSettings s = zel::adjustClassSettings(fields(), a);
        m_width->setText(numberText(s.width));
    } else if (a == zel::ClassAdjust::Upper && changed != m_upper) {
        const zel::ClassSettings s = zel::adjustClassSettings(fields(), a);
        m_upper->setText(numberText(s.upper));
    }
}

void bunform::optionChosen() {
    const bool byWidth = adjust() == zel::ClassAdjust::Width;
    m_width->setEnabled(!byWidth);
    m_upper->setEnabled(byWidth);
}

void bunform::onOk() {
    // The data's range as it is shown, against the typed limits.
    const zel::DataRange shown{numberOf(m_max->text()), numberOf(m_min->text())};
    const zel::ClassSettings s = fields();
    const zel::Status limits = zel::checkClassLimits(shown, s.upper, s.lower);
    if (!limits) {
        MessageBox::refusal(this, QString::fromStdString(limits.message()), captionText());
        return;
    }
    zel::Workspace& ws = m_context.workspace();
    zel::AnalysisSet strata;
    ws.classTable = zel::buildClassTable(countedSeries(m_context, strata), s.limits());
    // A frequency table or histogram still open from before shows other classes:
    // they make way for the ones built from these.
    ZelWindow::closeWindows({zel::WindowId::youko, zel::WindowId::dobun});
    if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(zel::WindowId::dobun)) open(m_context);
    close();
}
