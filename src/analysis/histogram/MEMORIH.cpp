// The scale dialog.
#include "analysis/histogram/MEMORIH.h"

#include "common/NumberText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

MEMORIH::MEMORIH(MainContext&, Range shown, Change change, QWidget* parent)
    : ZelWindow(zel::WindowId::MEMORIH, parent), m_change(std::move(change)) {
    setWindowTitle(captionText());
    setModal(true);

    auto* frame = new QGroupBox(QStringLiteral("グラフの上限と下限を入力します"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_upper = new QLineEdit(QString::fromStdString(zel::formatPattern(shown.upper, kPattern)), frame);
    m_upper->setObjectName(QStringLiteral("Text1"));
    m_lower = new QLineEdit(QString::fromStdString(zel::formatPattern(shown.lower, kPattern)), frame);
    m_lower->setObjectName(QStringLiteral("Text2"));
    auto* upperLabel = new QLabel(QStringLiteral("上限："), frame);
    upperLabel->setObjectName(QStringLiteral("Label1"));
    auto* lowerLabel = new QLabel(QStringLiteral("下限："), frame);
    lowerLabel->setObjectName(QStringLiteral("Label2"));
    auto* fields = new QGridLayout(frame);
    fields->addWidget(upperLabel, 0, 0);
    fields->addWidget(m_upper, 0, 1);
    fields->addWidget(lowerLabel, 1, 0);
    fields->addWidget(m_lower, 1, 1);

    auto* changeButton = new QPushButton(QStringLiteral("変更"), this);
    changeButton->setObjectName(QStringLiteral("Command1"));
    changeButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(changeButton, &QPushButton::clicked, this, &MEMORIH::change);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(changeButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    setDesignGeometry({2400, 2000, 4200, 2400});
}

void MEMORIH::change() {
    const Range typed{zel::lenientParse(m_upper->text().toStdString()),
                      zel::lenientParse(m_lower->text().toStdString())};
    if (m_change) m_change(typed);
    accept();
}
