// gyoudel: the delete-rows dialog.
#include "dataset/gyoudel.h"

#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetEdit.h"
#include "dataset/EditCommands.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace {

const char* const kCaption = "行の削除";
const char* const kPrompt = "削除する行を指定してください。";
const char* const kColumnHeading = "削除する行";
const char* const kCheckCaption = "削除";

} // namespace

gyoudel::gyoudel(MainContext& ctx, QWidget* parent)
    : ZelWindow(zel::WindowId::gyoudel, parent), m_ctx(ctx) {
    setWindowTitle(QString::fromUtf8(kCaption));
    const int n = ctx.workspace().dataset.sampleCount();

    auto* prompt = new QLabel(QString::fromUtf8(kPrompt), this);
    m_grid = EditCommands::sampleCheckGrid(this, n, QString::fromUtf8(kColumnHeading),
                                           QString::fromUtf8(kCheckCaption));

    layOutGridDialog(prompt, m_grid, [this] { onOk(); });
    resize(320, 400);
}

void gyoudel::onOk() {
    const QString title = QString::fromUtf8(kCaption);
    zel::Dataset& ds = m_ctx.workspace().dataset;
    const int n = ds.sampleCount();
    std::vector<bool> checked(static_cast<std::size_t>(n), false);
    for (int r = 1; r <= n && r <= m_grid->rowCount(); ++r)
        checked[static_cast<std::size_t>(r - 1)] = m_grid->isChecked(1, r);
    // deleteRows refuses every row checked, with its own message.
    const zel::Status s = zel::deleteRows(ds, checked);
    if (!s) {
        MessageBox::refusal(this, QString::fromStdString(s.message()), title);
        return;
    }
    EditCommands::rebuildAndSave(m_ctx, this, title);
    accept();
}
