// henhenf: the rename-variables dialog.
#include "dataset/henhenf.h"

#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace {

const char* const kCaption = "変数名の変更";
const char* const kPrompt = "変数名を変更します。";
const char* const kColumnHeading = "変数名";
const char* const kCorner = "no.";

} // namespace

henhenf::henhenf(MainContext& ctx, QWidget* parent)
    : ZelWindow(zel::WindowId::henhenf, parent), m_ctx(ctx),
      m_variables(ctx.workspace().dataset.variableCount()) {
    setWindowTitle(QString::fromUtf8(kCaption));
    const zel::Dataset& ds = ctx.workspace().dataset;
    const int k = m_variables;

    auto* prompt = new QLabel(QString::fromUtf8(kPrompt), this);
    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("grid1"));
    m_grid->setEnterToWindow(true); // Enter outside an edit is "OK"
    m_grid->setColumnCount(1);
    m_grid->setRowCount(k);
    m_grid->setCurrentCol(-1);
    m_grid->setCurrentRow(-1);
    m_grid->setRightAligned(true);
    m_grid->setText(0, 0, QString::fromUtf8(kCorner));
    m_grid->setText(1, 0, QString::fromUtf8(kColumnHeading));
    for (int r = 1; r <= k; ++r) {
        m_grid->setText(0, r, rowHeadingText(r));
        m_grid->setText(1, r, QString::fromStdString(ds.name(r)));
    }
    m_grid->setColumnWidthAt(0, 8);
    m_grid->setColumnWidthAt(1, 24);
    if (k > 0) {
        m_grid->setCurrentCol(1);
        m_grid->setCurrentRow(1);
    }

    layOutGridDialog(prompt, m_grid, [this] { onOk(); });
    resize(400, 360);
}

void henhenf::onOk() {
    const QString title = QString::fromUtf8(kCaption);
    zel::Dataset& ds = m_ctx.workspace().dataset;
    const int k = ds.variableCount();
    if (k != m_variables) {
        // The variables changed under the dialog: its rows no longer match them.
        reject();
        return;
    }
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(k));
    for (int j = 1; j <= k; ++j)
        names.push_back(m_grid->text(1, j).toStdString());
    const zel::Status stored = zel::storeNameTexts(ds, zel::NameTexts::VariableNames, std::move(names));
    if (!stored) {
        MessageBox::refusal(this, QString::fromStdString(stored.message()), title);
        // A name the file cannot hold: nothing changed, the dialog stays open.
        if (stored.code() == zel::StatusCode::InvalidArgument) return;
    }
    DataGrid& sheet = m_ctx.grid();
    for (int j = 1; j <= k; ++j)
        sheet.setText(j, 0, QString::fromStdString(ds.name(j)));
    sheet.setFocus();
    accept();
}
