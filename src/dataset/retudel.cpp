// retudel: the delete-columns dialog.
#include "dataset/retudel.h"

#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetEdit.h"
#include "dataset/EditCommands.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

const char* const kCaption = "列の削除";
const char* const kPrompt = "削除する列を指定してください。";
const char* const kRowHeading = "削除する列";
constexpr double kColumnChars = 12.0; // every column, the row headings' included
constexpr int kWidth = 520;           // pixels at the least
constexpr int kHeight = 200;

} // namespace

retudel::retudel(MainContext& ctx, QWidget* parent)
    : ZelWindow(zel::WindowId::retudel, parent), m_ctx(ctx) {
    setWindowTitle(QString::fromUtf8(kCaption));
    const zel::Dataset& ds = ctx.workspace().dataset;
    const int k = ds.variableCount();

    auto* prompt = new QLabel(QString::fromUtf8(kPrompt), this);
    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("grid1"));
    m_grid->setEnterToWindow(true); // Enter outside an edit is "OK"
    m_grid->setColumnCount(k);
    m_grid->setRowCount(1);
    m_grid->setText(0, 1, QString::fromUtf8(kRowHeading));
    m_grid->setColumnWidthAt(-1, kColumnChars);
    m_grid->setColumnWidthAt(0, kColumnChars);
    m_grid->widenToHeadings(0);
    for (int c = 1; c <= k; ++c) {
        m_grid->setText(c, 0, QString::fromStdString(ds.name(c)));
        m_grid->widenToHeadings(c);
        m_grid->setCurrentCol(c);
        m_grid->setCurrentRow(1);
        m_grid->setCellType(DataGrid::CellType::CheckBox);
        m_grid->setCheckCaption(QStringLiteral("削除(") + QString::fromStdString(zel::generalNumberText(c)) +
                                QStringLiteral(")"));
        m_grid->setCheckValue(false);
    }
    if (k > 0) {
        m_grid->setCurrentCol(1);
        m_grid->setCurrentRow(1);
    }

    QVBoxLayout* layout = layOutGridDialog(prompt, m_grid, [this] { onOk(); });
    // Wide enough to show every column at once where the screen allows; more
    // columns scroll.
    const QMargins margins = layout->contentsMargins();
    const int gridWidth =
        2 * m_grid->frameWidth() + m_grid->verticalHeader()->width() + m_grid->horizontalHeader()->length();
    int width = std::max(kWidth, margins.left() + gridWidth + margins.right());
    if (const QScreen* s = screen()) width = std::min(width, s->availableGeometry().width());
    resize(width, kHeight);
}

void retudel::onOk() {
    const QString title = QString::fromUtf8(kCaption);
    zel::Dataset& ds = m_ctx.workspace().dataset;
    const int k = ds.variableCount();
    std::vector<bool> checked(static_cast<std::size_t>(k), false);
    for (int c = 1; c <= k && c <= m_grid->columnCount(); ++c)
        checked[static_cast<std::size_t>(c - 1)] = m_grid->isChecked(c, 1);
    // deleteColumns refuses every column checked, with its own message.
    const zel::Status s = zel::deleteColumns(ds, checked);
    if (!s) {
        MessageBox::refusal(this, QString::fromStdString(s.message()), title);
        return;
    }
    EditCommands::rebuildAndSave(m_ctx, this, title);
    accept();
}
