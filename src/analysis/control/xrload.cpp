// xrload: the limits-file dialog of the saved-limits flow.
#include "analysis/control/xrload.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/LimitsFile.h"
#include "analysis/control/xrkase.h"
#include "dataset/FileDialogRules.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>

xrload::xrload(MainContext& context, zel::AnalysisId analysis, QWidget* parent)
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
    if (m_qck) {
        m_qck->blockSignals(true);
        m_qck->setText(extensionText());
        m_qck->setChecked(true);
        m_qck->blockSignals(false);
    }
    // The shared part listed the folder before this dialog's pattern existed.
    refreshFiles();
}

QString xrload::currentPattern() const {
    return m_qck && !m_qck->isChecked() ? QStringLiteral("*.*") : extensionText();
}

void xrload::onOk() {
    const std::optional<QString> base = baseFromOk();
    if (!base) return;

    const QString path = limitsPathFor(*base);
    zel::Result<zel::ControlLines> loaded = zel::readLimitsFile(path.toStdString());
    if (!loaded) {
        MessageBox::refusal(this, QString::fromStdString(loaded.status().message()), readTitle());
        return;
    }
    MainContext& context = m_ctx;
    context.workspace().chartData.loadedLines = *loaded;
    const zel::AnalysisId analysis = m_analysis;
    close();
    ZelWindow::open<xrkase>(context, analysis);
}
