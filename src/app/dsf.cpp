// The geometry-deletion dialog.
#include "app/dsf.h"

#include "windowkit/AppSettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

dsf::dsf(QWidget* parent) : ZelWindow(QStringLiteral("dsf"), parent) {
    setWindowTitle(QStringLiteral("レジストリ情報"));
    auto* text1 = new QLabel(QStringLiteral("記録されたウインドウの位置サイズ情報を削除します。"), this);
    text1->setObjectName(QStringLiteral("Label1"));
    auto* text2 = new QLabel(QStringLiteral("よろしいですか？"), this);
    text2->setObjectName(QStringLiteral("Label2"));
    auto* yes = new QPushButton(QStringLiteral("はい"), this);
    yes->setObjectName(QStringLiteral("Command1"));
    auto* no = new QPushButton(QStringLiteral("いいえ"), this);
    no->setObjectName(QStringLiteral("Command2"));
    no->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text1);
    layout->addWidget(text2);
    layout->addLayout(buttons);

    connect(yes, &QPushButton::clicked, this, &dsf::onYes);
    connect(no, &QPushButton::clicked, this, &QWidget::close);
}

void dsf::onYes() {
    zel::appSettings().deleteSection(zel::kSettingSection);
    close();
}
