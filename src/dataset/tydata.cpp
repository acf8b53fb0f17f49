// tydata: the dimension dialog of a new dataset.
#include "dataset/tydata.h"

#include "components/grid/DataGrid.h"
#include "dataset/FileDialogRules.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const QString kCaption = QStringLiteral("変数の設定");
const QString kCountLabel = QStringLiteral("サンプル数（項目数）を入力してください");
const QString kVariablesLabel = QStringLiteral("そのサンプルにはいくつの変数がありますか？");
const QString kTooFew = QStringLiteral("サンプル数（２以上）を入力して下さい。");
const QString kTooMany = QStringLiteral("サンプル数は32767以下で入力して下さい。");
const QString kTitle = QStringLiteral("わりつけ");
} // namespace

tydata::tydata(MainContext& ctx, int& samples, int& variables, QWidget* parent)
    : ZelWindow(zel::WindowId::tydata, parent), m_ctx(ctx), m_samples(samples), m_variables(variables) {
    setWindowTitle(kCaption);
    setModal(true);
    setDesignGeometry({2400, 2400, 5400, 3000});

    auto* countLabel = new QLabel(kCountLabel, this);
    countLabel->setObjectName(QStringLiteral("Label1"));
    m_count = new QLineEdit(this);
    m_count->setObjectName(QStringLiteral("Text1"));
    auto* variablesLabel = new QLabel(kVariablesLabel, this);
    variablesLabel->setObjectName(QStringLiteral("Label2"));
    m_spin = new QSpinBox(this);
    m_spin->setObjectName(QStringLiteral("Spin1"));
    m_spin->setRange(1, 100);
    m_spin->setSingleStep(1);
    m_spin->setValue(1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(ok, &QPushButton::clicked, this, &tydata::onOk);
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_ctx.grid().setFocus();
        reject();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(countLabel);
    layout->addWidget(m_count);
    layout->addWidget(variablesLabel);
    layout->addWidget(m_spin, 0, Qt::AlignLeft);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

void tydata::onOk() {
    const zel::SampleCount count = zel::checkSampleCount(m_count->text().toStdString());
    if (count.check != zel::SampleCountCheck::Ok) {
        MessageBox::refusal(this, count.check == zel::SampleCountCheck::TooFew ? kTooFew : kTooMany, kTitle);
        m_count->setFocus();
        return;
    }
    m_samples = count.samples;
    m_variables = m_spin->value();
    accept();
}
