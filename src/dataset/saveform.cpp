// saveform: the save dialog.
#include "dataset/saveform.h"

#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

namespace {
const QString kCaption = QStringLiteral("ファイルの保存");
const QString kExists = QStringLiteral("このファイルはすでに存在します。上書きしますか？");
const QString kExistsTitle = QStringLiteral("ファイルの作成");
const QString kSaveTitle = QStringLiteral("データの保存");
} // namespace

saveform::saveform(MainContext& ctx, QWidget* parent)
    : FileDialogBase(
          QStringLiteral("saveform"), kCaption,
          {QStringLiteral("ﾄﾞﾗｲﾌﾞ(&V):"), QStringLiteral("ﾃﾞｨﾚｸﾄﾘ(&D):"), QStringLiteral("ファイル名(&F):")},
          ctx, parent) {
    setNameText(QString::fromStdString(ctx.workspace().dataset.fileName));
}

void saveform::onOk() {
    const std::optional<QString> base = baseFromOk();
    if (!base) return;
    const std::string b = base->toStdString();
    if (zel::namesFileReadable(b + ".QCN") && !MessageBox::confirm(this, kExists, kExistsTitle)) return;

    zel::Dataset& ds = m_ctx.workspace().dataset;
    const zel::Status written = zel::writeDataset(ds, b);
    if (!written) {
        // Nothing was saved: the dataset keeps its name and flags, the dialog stays.
        MessageBox::refusal(this, QString::fromStdString(written.message()), kSaveTitle);
        return;
    }
    ds.fileName = nameText().toStdString();
    ds.setBase(b);
    ds.drive = driveForDataset();
    ds.folder = folderForDataset();
    m_ctx.setDatasetName(*base);
    ds.unsaved = 0;
    ds.saveInPlace = 0;
    m_ctx.datasetFileUsed(ds.valuesPath);
    close();
}
