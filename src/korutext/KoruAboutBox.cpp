// The hypertext label's information box.
#include "korutext/KoruAboutBox.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 32;

QFrame* separator(QWidget* parent, const QString& name) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* label(QWidget* parent, const QString& text, const QString& name) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

QPixmap KoruAboutBox::controlIcon() {
    QPixmap pm(kIconSize, kIconSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A yellow caption box with a black border...
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 0));
    p.drawRect(QRectF(2.5, 6.5, 27, 19));
    // ...two lines of text, the second one a green hot spot with its underline.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 128));
    p.drawRect(QRectF(6, 10, 14, 2));
    p.setBrush(QColor(0, 128, 0));
    p.drawRect(QRectF(6, 16, 18, 2));
    p.drawRect(QRectF(6, 20, 18, 1));
    return pm;
}

QPixmap KoruAboutBox::makerIcon() {
    QPixmap pm(kIconSize, kIconSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A green disc with a white "V".
    p.setPen(QPen(QColor(0, 96, 0), 1.5));
    p.setBrush(QColor(0, 160, 64));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    QPainterPath v;
    v.moveTo(9, 9);
    v.lineTo(16, 24);
    v.lineTo(23, 9);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(v);
    return pm;
}

KoruAboutBox::KoruAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KoruAboutBox"));
    setWindowTitle(QStringLiteral("About KoruText Control"));
    setModal(true);

    auto* top = new QGridLayout;
    auto* icon1 = new QLabel(this);
    icon1->setObjectName(QStringLiteral("controlIcon"));
    icon1->setPixmap(controlIcon());
    auto* icon2 = new QLabel(this);
    icon2->setObjectName(QStringLiteral("makerIcon"));
    icon2->setPixmap(makerIcon());
    top->addWidget(icon1, 0, 0, Qt::AlignTop);
    top->addWidget(label(this, QStringLiteral("ハイパーテキストコントロール"), QStringLiteral("productName")),
                   0, 1);
    top->addWidget(label(this, QStringLiteral("KORU16/32.OCX"), QStringLiteral("libraryName")), 1, 1);
    top->addWidget(label(this, QStringLiteral("Version: 4.10.000.14"), QStringLiteral("version")), 2, 1);
    top->addWidget(icon2, 0, 2, Qt::AlignTop);
    top->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(separator(this, QStringLiteral("separator1")));
    layout->addWidget(label(this, QStringLiteral("Velmor KoruText Control"), QStringLiteral("notice1")));
    layout->addWidget(label(this, QStringLiteral("このコントロールは ZEL の一部として配布されています。"),
                            QStringLiteral("notice2")));
    layout->addWidget(separator(this, QStringLiteral("separator2")));
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}
