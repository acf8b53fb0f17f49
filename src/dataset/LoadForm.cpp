// LoadForm: the open dialog with the delete command.
#include "dataset/LoadForm.h"

#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/FileCommands.h"
#include "dataset/FileDialogRules.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>
#include <vector>

namespace {
const QString kCaption = QStringLiteral("ファイルの呼出し");
const QString kDelete = QStringLiteral("ファイルの削除");

// The existence test of the delete command: a file (not a folder) at the path.
bool fileExists(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

// The question is built with carriage returns; on screen they are line breaks.
QString shownText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
} // namespace

LoadForm::LoadForm(MainContext& ctx, QWidget* parent)
    : FileDialogBase(QStringLiteral("LoadForm"), kCaption,
                     {QStringLiteral("ﾄﾞﾗｲﾌﾞ(&V)："), QStringLiteral("ﾃﾞｨﾚｸﾄﾘ(&D):"),
                      QStringLiteral("ファイル名(&F)：")},
                     ctx, parent) {
    auto* remove = new QPushButton(kDelete, this);
    remove->setObjectName(QStringLiteral("Command3"));
    connect(remove, &QPushButton::clicked, this, &LoadForm::deleteFiles);
    buttonColumn()->addSpacing(12);
    buttonColumn()->addWidget(remove);
}

void LoadForm::onOk() {
    const std::optional<QString> base = baseFromOk();
    if (!base) return;
    if (!FileCommands::openFiles(m_ctx, *base, nameText().toStdString(), driveForDataset(), folderForDataset(),
                                 this))
        return;
    close();
}

void LoadForm::deleteFiles() {
    const std::optional<QString> base = baseFromOk();
    if (!base) return;
    makeFolderCurrent();
    const std::string b = base->toStdString();
    const std::vector<std::string> paths{b + ".QCK", b + ".QCN", b + ".QCS"};

    std::vector<std::string> existing;
    for (const std::string& path : paths)
        if (fileExists(path)) existing.push_back(path);
    if (!existing.empty() && !MessageBox::confirm(this, shownText(zel::deleteQuestion(existing)), kDelete))
        return;

    QStringList failed;
    for (const std::string& path : paths) {
        if (!fileExists(path)) continue; // vanished meanwhile
        std::error_code ec;
        if (!std::filesystem::remove(path, ec) && ec)
            failed << QString::fromStdString(path) + QStringLiteral("：") +
                          QString::fromStdString(ec.message());
    }
    refreshFiles();
    // A file that could not be deleted is said so, never passed over in silence.
    if (!failed.isEmpty())
        MessageBox::refusal(this, QStringLiteral("削除できませんでした。\n") + failed.join(QLatin1Char('\n')),
                            kDelete);
}
