// The services of the main window that its commands and dialogs use: the shared
// records, the data sheet, the dataset-name display and the hint line. form1
// implements it; tests may supply their own.
#pragma once

#include "common/Analyses.h"

#include <QString>

#include <optional>
#include <string>

class DataGrid;
class DataSheet;
class QWidget;
namespace zel {
struct Workspace;
}

class MainContext {
public:
    virtual ~MainContext() = default;

    virtual zel::Workspace& workspace() = 0;
    virtual DataSheet& sheet() = 0;
    virtual DataGrid& grid() = 0;
    // The main window itself, as the parent of dialogs and message boxes.
    virtual QWidget* mainWindow() = 0;

    // Shows the dataset's base path; a non-empty text switches the main window
    // into its state with a dataset (commands enabled, hint, caption).
    virtual void setDatasetName(const QString& text) = 0;
    virtual void setHint(const QString& text) = 0;
    // The column-width slider's value in characters.
    virtual int columnWidthChars() const = 0;
    // The name shown in the analysis list ("" while the list is empty).
    virtual QString currentAnalysisName() const = 0;
    // The data-label dialog's continuation into the Pareto analysis.
    virtual void openParetoVariables() = 0;
    // A dataset's files were opened or saved; valuesPath is its ".QCS" file.
    // The main window lists it among the recent files.
    virtual void datasetFileUsed(const std::string& valuesPath) { (void)valuesPath; }
    // A chart point of sample `sample` (1-based) was clicked: the data sheet
    // selects the sample's row and scrolls to it.
    virtual void selectSampleRow(int sample) { (void)sample; }
};

// The analysis the list shows, or nothing for a name that is not one.
inline std::optional<zel::AnalysisId> currentAnalysis(const MainContext& context) {
    return zel::findAnalysis(context.currentAnalysisName().toStdString());
}

// The analysis's name as the list shows it ("Xbar-R 管理図").
inline QString analysisListName(zel::AnalysisId id) {
    return QString::fromUtf8(zel::analysis(id).listName.data(),
                             static_cast<qsizetype>(zel::analysis(id).listName.size()));
}
