// masukuf: the mask dialog.
#include "dataset/masukuf.h"

#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/EditCommands.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kCaption = "データのマスク";
const char* const kPrompt = "解析に使用しないデータの設定を行います。";
const char* const kColumnHeading = "マスク";
const char* const kCheckCaption = "ﾏｽｸ";
const char* const kOptionMenu = "オプション(&O)";
const char* const kInvert = "マスクの反転(&C)";

} // namespace

masukuf::masukuf(MainContext& ctx, QWidget* parent)
    : ZelWindow(zel::WindowId::masukuf, parent), m_ctx(ctx),
      m_samples(ctx.workspace().dataset.sampleCount()) {
    setWindowTitle(QString::fromUtf8(kCaption));
    const zel::Dataset& ds = ctx.workspace().dataset;
    const int n = m_samples;

    auto* menuBar = new QMenuBar(this);
    QMenu* options = MenuFrame::addMenu(menuBar, QString::fromUtf8(kOptionMenu), QStringLiteral("OPTION"));
    QAction* invert = MenuFrame::addItem(options, QString::fromUtf8(kInvert), QStringLiteral("HANTEN"));
    connect(invert, &QAction::triggered, this, &masukuf::invertMasks);

    auto* prompt = new QLabel(QString::fromUtf8(kPrompt), this);
    m_grid = EditCommands::sampleCheckGrid(this, n, QString::fromUtf8(kColumnHeading),
                                           QString::fromUtf8(kCheckCaption));
    if (n > 0) {
        for (int r = 1; r <= n; ++r)
            m_grid->setText(1, r, ds.mask(r) != 0 ? QStringLiteral("1") : QStringLiteral("0"));
        m_grid->setCurrentCol(1);
        m_grid->setCurrentRow(1);
    }

    QVBoxLayout* layout = layOutGridDialog(prompt, m_grid, [this] { onOk(); });
    layout->setMenuBar(menuBar);
    resize(320, 400);
}

void masukuf::invertMasks() {
    for (int r = 1; r <= m_grid->rowCount(); ++r)
        m_grid->setText(
            1, r, m_grid->text(1, r) == QStringLiteral("1") ? QStringLiteral("0") : QStringLiteral("1"));
}

void masukuf::onOk() {
    zel::Dataset& ds = m_ctx.workspace().dataset;
    const int n = ds.sampleCount();
    if (n != m_samples) {
        // The samples changed under the dialog: its rows no longer match them.
        reject();
        return;
    }
    for (int i = 1; i <= n; ++i)
        ds.setMask(i, m_grid->isChecked(1, i) ? 1 : 0);
    if (ds.exists()) {
        const zel::Status written = zel::writeNamesFile(ds, ds.namesPath);
        if (!written)
            MessageBox::refusal(this, QString::fromStdString(written.message()), QString::fromUtf8(kCaption));
    }
    EditCommands::recolourSheet(m_ctx.grid(), ds);
    accept();
}
