// parekos: the data-label dialog.
#include "dataset/parekos.h"

#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "presentation/GridPrinting.h"
#include "windowkit/MainContext.h"
#include "windowkit/MenuFrame.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace {

const char* const kCaption = "データラベル";
const char* const kPrompt = "データラベルの名前を入力して下さい。";
const char* const kCorner = "データラベル";
const char* const kFileMenu = "ﾌｧｲﾙ(&F)";
const char* const kPrint = "印刷(&P)...";
const char* const kExit = "終了(&E)";
const char* const kEditMenu = "編集(&E)";
const char* const kCopy = "コピー(&C)";
const char* const kPaste = "張り付け(&P)";
const char* const kCut = "切り取り(&T)";
const char* const kSelectAll = "すべて選択(&A)";
constexpr double kRowHeadingChars = 8.0;
constexpr double kLabelChars = 24.0;

} // namespace

parekos::parekos(MainContext& ctx, QWidget* parent)
    : ZelWindow(zel::WindowId::parekos, parent), m_ctx(ctx),
      m_samples(ctx.workspace().dataset.sampleCount()) {
    setWindowTitle(QString::fromUtf8(kCaption));
    const zel::Dataset& ds = ctx.workspace().dataset;
    const int n = m_samples;

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("grid1"));
    // The arrows move from label to label; Tab goes on to the buttons, as it
    // does from the grids of the other dialogs and the result tables.
    m_grid->setTabKeyNavigation(false);
    // Enter stores an open edit; without one it is "OK".
    m_grid->setEnterToWindow(true);

    auto* menuBar = new QMenuBar(this);
    QMenu* file = MenuFrame::addMenu(menuBar, QString::fromUtf8(kFileMenu), QStringLiteral("FILE"));
    QAction* print = MenuFrame::addItem(file, QString::fromUtf8(kPrint), QStringLiteral("INSATU"));
    QAction* exit = MenuFrame::addItem(file, QString::fromUtf8(kExit), QStringLiteral("SYURYOU"));
    QMenu* edit = MenuFrame::addMenu(menuBar, QString::fromUtf8(kEditMenu), QStringLiteral("EDIT"));
    QAction* copy = MenuFrame::addItem(edit, QString::fromUtf8(kCopy), QStringLiteral("COPY"));
    QAction* paste = MenuFrame::addItem(edit, QString::fromUtf8(kPaste), QStringLiteral("PASTE"));
    QAction* cut = MenuFrame::addItem(edit, QString::fromUtf8(kCut), QStringLiteral("CUT"));
    QAction* all = MenuFrame::addItem(edit, QString::fromUtf8(kSelectAll), QStringLiteral("SELECTALL"));
    connect(print, &QAction::triggered, this, &parekos::print);
    connect(exit, &QAction::triggered, this, &QDialog::reject);
    connect(copy, &QAction::triggered, this, [this] { m_grid->doAction(DataGrid::Action::Copy); });
    connect(paste, &QAction::triggered, this, [this] { m_grid->doAction(DataGrid::Action::Paste); });
    connect(cut, &QAction::triggered, this, [this] { m_grid->doAction(DataGrid::Action::Cut); });
    connect(all, &QAction::triggered, this, &parekos::selectAllLabels);

    auto* prompt = new QLabel(QString::fromUtf8(kPrompt), this);
    m_grid->setColumnCount(1);
    m_grid->setRowCount(n);
    m_grid->setCurrentCol(-1);
    m_grid->setCurrentRow(-1);
    m_grid->setRightAligned(true);
    m_grid->setText(0, 0, QString::fromUtf8(kCorner));
    // The corner names the label column; the column's own heading stays empty
    // rather than showing the grid's letter.
    m_grid->setText(1, 0, QString());
    for (int r = 1; r <= n; ++r) {
        m_grid->setText(0, r, rowHeadingText(r));
        m_grid->setText(1, r, QString::fromStdString(ds.label(r)));
    }
    m_grid->setColumnWidthAt(0, kRowHeadingChars);
    m_grid->widenToHeadings(0); // for the corner text
    m_grid->setColumnWidthAt(1, kLabelChars);
    if (n > 0) {
        colourSampleRows(*m_grid, ds, 1);
        m_grid->setCurrentCol(1);
        m_grid->setCurrentRow(1);
    }
    GridPrinting::install(*m_grid);

    layOutGridDialog(prompt, m_grid, [this] { onOk(); })->setMenuBar(menuBar);
    resize(420, 420);
}

void parekos::done(int r) {
    m_ctx.workspace().dataLabelFlag = 0;
    ZelWindow::done(r);
}

void parekos::onOk() {
    zel::Workspace& ws = m_ctx.workspace();
    zel::Dataset& ds = ws.dataset;
    const int n = ds.sampleCount();
    if (n != m_samples) {
        // The samples changed under the dialog: its rows no longer match them.
        reject();
        return;
    }
    std::vector<std::string> old(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        old[static_cast<std::size_t>(i)] = ds.label(i);
        ds.setLabel(i, m_grid->text(1, i).toStdString());
    }
    if (ds.exists()) {
        const QString title = QString::fromUtf8(kCaption);
        const zel::Status written = zel::writeNamesFile(ds, ds.namesPath);
        if (written.code() == zel::StatusCode::InvalidArgument) {
            // A label the file cannot hold: nothing changes, the dialog stays open.
            for (int i = 1; i <= n; ++i)
                ds.setLabel(i, std::move(old[static_cast<std::size_t>(i)]));
            MessageBox::refusal(this, QString::fromStdString(written.message()), title);
            return;
        }
        if (!written) MessageBox::refusal(this, QString::fromStdString(written.message()), title);
    }
    const bool continueToPareto = currentAnalysis(m_ctx) == zel::AnalysisId::Pareto && ws.dataLabelFlag == 0;
    if (continueToPareto) m_ctx.openParetoVariables();
    accept(); // sets the data-label flag to 0
}

void parekos::print() {
    const zel::Workspace& ws = m_ctx.workspace();
    GridPrinting::printWithRecipe(*m_grid, QString::fromStdString(ws.dataset.basePath), ws.printMargins, 1.0);
}

void parekos::selectAllLabels() {
    const int n = m_grid->rowCount();
    if (n < 1) return;
    m_grid->setBlockMode(false);
    m_grid->setCurrentCol(1);
    m_grid->setCurrentRow(1);
    m_grid->setBlockCol2(1);
    m_grid->setBlockRow2(n);
    m_grid->doAction(DataGrid::Action::SelectBlock);
}
