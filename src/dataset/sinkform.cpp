// sinkform: the new-dataset name dialog.
#include "dataset/sinkform.h"

#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/FileCommands.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

namespace {
const QString kCaption = QStringLiteral("ファイルの作成");
const QString kExists = QStringLiteral("このファイルはすでに存在します。上書きしますか？");
} // namespace

sinkform::sinkform(MainContext& ctx, QWidget* parent)
    : FileDialogBase(
          QStringLiteral("sinkform"), kCaption,
          {QStringLiteral("ﾄﾞﾗｲﾌﾞ(&V):"), QStringLiteral("ﾃﾞｨﾚｸﾄﾘ(&D):"), QStringLiteral("ファイル名(&F):")},
          ctx, parent) {}

void sinkform::onOk() {
    const std::optional<QString> base = baseFromOk();
    if (!base) return;
    makeFolderCurrent();
    const std::string b = base->toStdString();
    if (zel::namesFileReadable(b + ".QCN") && !MessageBox::confirm(this, kExists, kCaption)) return;

    // The dataset is named only once the user has agreed, so that a refused name
    // leaves every path of the dataset as it was.
    zel::Dataset& ds = m_ctx.workspace().dataset;
    ds.fileName = nameText().toStdString();
    ds.setBase(b);
    m_ctx.setDatasetName(*base);
    ds.drive = driveForDataset();
    ds.folder = folderForDataset();

    MainContext& ctx = m_ctx;
    close();
    FileCommands::defineNewDataset(ctx);
}
