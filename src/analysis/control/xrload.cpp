// xrload: the limits-file dialog of the saved-limits flow.
#include "analysis/control/xrload.h"

#include "analysis/control/LimitsFile.h"
#include "analysis/control/xrkase.h"
#include "app/MainContext.h"
#include "app/MessageBox.h"
#include "app/Workspace.h"
#include "dataset/FileDialogRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>

xrload::xrload(MainContext& context, const QString& analysis, QWidget* parent)
    : FileDialogBase(QStringLiteral("xrload"), captionText(),
                     {QStringLiteral("ﾄﾞﾗｲﾌﾞ(&V)："), QStringLiteral("ﾃﾞｨﾚｸﾄﾘ(&D):"),
                      QStringLiteral("ファイル名(&F)：")},
                     context, parent),
      m_analysis(analysis) {
    // The shared layout names the drive caption Label3 and the folder display
    // Label4; this dialog has always called them the other way round.
    QLabel* driveLabel = findChild<QLabel*>(QStringLiteral("Label3"));
    QLabel* folderDisplay = findChild<QLabel*>(QStringLiteral("Label4"));
    if (driveLabel && folderDisplay) {
        driveLabel->setObjectName(QStringLiteral("Label4"));
        folderDisplay->setObjectName(QStringLiteral("Label3"));
    }

    // One extension box: "*.QCK", on at opening. The dataset boxes' second box
    // has no place here.
    m_qck = findChild<QCheckBox*>(QStringLiteral("Check1"));
    if (QCheckBox* second = findChild<QCheckBox*>(QStringLiteral("Check2"))) {
        second->setChecked(false);
        second->hide();
    }
    m_files = findChild<QListWidget*>(QStringLiteral("File1"));
    if (m_qck) {
        m_qck->setText(extensionText());
        m_qck->setChecked(true);
        connect(m_qck, &QCheckBox::toggled, this, &xrload::listLimitsFiles);
    }

    // The shared part lists the folder's files after each move of the folder;
    // these handlers run after it and list the limits files instead.
    if (auto* folders = findChild<QListWidget*>(QStringLiteral("Dir1")))
        connect(folders, &QListWidget::itemDoubleClicked, this, &xrload::listLimitsFiles);
    if (auto* drivesList = findChild<QComboBox*>(QStringLiteral("Drive1")))
        connect(drivesList, &QComboBox::activated, this, &xrload::listLimitsFiles);
    listLimitsFiles();
}

void xrload::listLimitsFiles() {
    if (!m_files) return;
    const std::string pattern =
        m_qck && m_qck->isChecked() ? extensionText().toStdString() : std::string("*.*");
    m_files->clear();
    const QDir dir(folderPath());
    const QStringList files = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& file : files)
        if (zel::matchesPattern(file.toStdString(), pattern)) m_files->addItem(file);
}

void xrload::onOk() {
    const QString before = folderPath();
    const std::optional<QString> base = baseFromOk();
    if (folderPath() != before) listLimitsFiles(); // the first OK entered a folder
    if (!base) return;

    const QString path = limitsPathFor(*base);
    zel::Result<zel::ControlLines> loaded = zel::readLimitsFile(path.toStdString());
    if (!loaded) {
        MessageBox::refusal(this, QString::fromStdString(loaded.status().message()), readTitle());
        return;
    }
    MainContext& context = m_ctx;
    context.workspace().chartData.loadedLines = *loaded;
    const QString analysis = m_analysis;
    close();
    ZelWindow::open<xrkase>(context, analysis);
}
