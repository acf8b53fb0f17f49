// The terms-of-use window.
#include "app/SIYOU.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kCaption = "ソフトウエアの使用条件";
const char* const kClose = "閉じる(&C)";
const char* const kTerms =
    "ソフトウエアの使用条件\n"
    "\n"
    "本ソフトウエア「ZEL」をご使用になる前に、以下の条件をよくお読みください。"
    "本ソフトウエアを使用された場合は、これらの条件に同意されたものとみなします。\n"
    "\n"
    "１．使用の許諾\n"
    "　お客様は、本ソフトウエアを一台のコンピュータ上で、お客様ご自身の業務のために"
    "使用することができます。\n"
    "\n"
    "２．複製と配布\n"
    "　本ソフトウエアは、バックアップのための複製を除き、複製することはできません。"
    "本ソフトウエアを第三者に譲渡、貸与、再配布することはできません。\n"
    "\n"
    "３．改変の禁止\n"
    "　本ソフトウエアを改変、逆コンパイル、逆アセンブルすることはできません。\n"
    "\n"
    "４．データについて\n"
    "　本ソフトウエアで作成または保存したデータは、お客様の責任において管理してください。"
    "重要なデータは定期的にバックアップを取ることをお勧めします。\n"
    "\n"
    "５．解析結果について\n"
    "　本ソフトウエアが示す管理図、統計量、検定結果などは、入力されたデータに基づいて計算されたものです。"
    "これらの結果に基づく工程や製品の判断は、お客様の責任において行ってください。\n"
    "\n"
    "６．保証の否認\n"
    "　本ソフトウエアは現状のまま提供されます。特定の目的への適合性を含め、明示または黙示のいかなる保証も"
    "いたしません。\n"
    "\n"
    "７．責任の制限\n"
    "　本ソフトウエアの使用または使用できなかったことにより生じたいかなる損害についても、"
    "開発者は責任を負いません。\n"
    "\n"
    "８．終了\n"
    "　お客様がこれらの条件に違反した場合、使用の許諾は終了します。その場合、お客様は本ソフトウエアと"
    "その複製をすべて破棄するものとします。\n";

} // namespace

QString SIYOU::termsText() {
    return QString::fromUtf8(kTerms);
}

SIYOU::SIYOU(QWidget* parent) : ZelWindow(zel::WindowId::SIYOU, parent) {
    setWindowTitle(QString::fromUtf8(kCaption));
    setDesignGeometry({1800, 1200, 7800, 6000});

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setReadOnly(true);
    text->setPlainText(termsText());
    auto* close = new QPushButton(QString::fromUtf8(kClose), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
}
