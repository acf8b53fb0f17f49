// The version window.
#include "app/verj.h"

#include "ZelVersion.h"
#include "app/dsf.h"
#include "windowkit/MessageBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const char* const kCaptionSuffix = "のﾊﾞｰｼﾞｮﾝ情報";
const char* const kProduct = "ZEL for Windows";
const char* const kNotice = "統計的品質管理のための解析ツール\n"
                            "本ソフトウエアは使用条件に同意のうえでご使用ください。";
const char* const kOk = "OK";
const char* const kSystemInfo = "ｼｽﾃﾑ情報(&S)...";
const char* const kDeleteGeometry = "位置情報の削除";

QStringList& programList() {
    static QStringList list{QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor"),
                            QStringLiteral("kinfocenter")};
    return list;
}

} // namespace

QString verj::versionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(zel::kVersionMajor)
        .arg(zel::kVersionMinor)
        .arg(zel::kVersionRevision);
}

QStringList verj::systemInfoPrograms() {
    return programList();
}

void verj::setSystemInfoPrograms(const QStringList& programs) {
    programList() = programs;
}

bool verj::startSystemInfo() {
    for (const QString& name : std::as_const(programList())) {
        const QString path = QStandardPaths::findExecutable(name);
        if (path.isEmpty()) continue;
        return QProcess::startDetached(path, {});
    }
    return false;
}

verj::verj(QWidget* parent) : ZelWindow(zel::WindowId::verj, parent) {
    setWindowTitle(programTitle() + QString::fromUtf8(kCaptionSuffix));
    setDesignGeometry({2400, 2000, 5400, 3300});

    auto* product = new QLabel(QString::fromUtf8(kProduct), this);
    product->setObjectName(QStringLiteral("Label1"));
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    product->setFont(big);
    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* notice = new QLabel(QString::fromUtf8(kNotice), this);
    notice->setObjectName(QStringLiteral("Label2"));

    auto* ok = new QPushButton(QString::fromUtf8(kOk), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(QString::fromUtf8(kSystemInfo), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    auto* deleteGeometry = new QPushButton(QString::fromUtf8(kDeleteGeometry), this);
    deleteGeometry->setObjectName(QStringLiteral("Command1"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addWidget(line);
    texts->addWidget(notice);
    texts->addStretch(1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addWidget(deleteGeometry);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(texts, 1);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfo, &QPushButton::clicked, this, &verj::onSystemInfo);
    connect(deleteGeometry, &QPushButton::clicked, this, [this] { ZelWindow::open<dsf>(this); });
}

void verj::onSystemInfo() {
    if (!startSystemInfo()) MessageBox::info(this, unavailableText(), programTitle());
}
