// gantol: the project name window.
#include "analysis/gantt/gantol.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/gantt/GanttChart.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QLabel>

#include <string>
#include <vector>

namespace {

constexpr double kRowHeadingChars = 8.0;
constexpr double kNameChars = 24.0;

} // namespace

gantol::gantol(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::gantol, parent), m_context(context),
      m_samples(context.workspace().dataset.sampleCount()) {
    setWindowTitle(captionText());
    const zel::Dataset& ds = context.workspace().dataset;
    const int n = m_samples;

    auto* prompt = new QLabel(promptText(), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("grid1"));
    m_grid->setColumnCount(1);
    m_grid->setRowCount(n);
    m_grid->setRightAligned(true);
    // Enter stores a typed name; Enter again (no edit open) is "OK".
    m_grid->setEnterToWindow(true);
    m_grid->setText(0, 0, cornerText());
    m_grid->setText(1, 0, headingText());
    for (int r = 1; r <= n; ++r) {
        m_grid->setText(0, r, rowHeadingText(r));
        m_grid->setText(1, r, QString::fromStdString(ds.label(r)));
    }
    m_grid->setColumnWidthAt(0, kRowHeadingChars);
    m_grid->setColumnWidthAt(1, kNameChars);
    if (n > 0) {
        colourSampleRows(*m_grid, ds, 1);
        m_grid->setCurrentCol(1);
        m_grid->setCurrentRow(1);
    }

    layOutGridDialog(prompt, m_grid, [this] { onOk(); });
    resize(420, 420);
}

void gantol::onOk() {
    m_grid->commitOpenEditor();
    zel::Workspace& ws = m_context.workspace();
    zel::Dataset& ds = ws.dataset;
    if (ds.sampleCount() != m_samples) {
        // The samples changed under the window: its rows no longer match them.
        reject();
        return;
    }
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(m_samples));
    for (int i = 1; i <= m_samples; ++i)
        names.push_back(m_grid->text(1, i).toStdString());
    const zel::Status stored = zel::storeProjectNames(ds, names);
    if (!stored) {
        MessageBox::refusal(this, QString::fromStdString(stored.message()), captionText());
        // A name the file cannot hold: nothing changed, the window stays open.
        if (stored.code() == zel::StatusCode::InvalidArgument) return;
    }
    ws.analysisSet = zel::ganttAnalysisSet(ds);
    accept();
    if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(zel::WindowId::gantog)) open(m_context);
}

ZelWindow* openGantol(MainContext& context) {
    return ZelWindow::open<gantol>(context, context.mainWindow());
}
