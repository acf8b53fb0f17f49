// Makes the shared records of the Workspace. This is the one place that sees the
// dataset, analysis and title records together; the windows see only their names.
#include "windowkit/Workspace.h"

#include "analysis/AnalysisSet.h"
#include "analysis/control/ChartDataSet.h"
#include "analysis/histogram/ClassTable.h"
#include "analysis/histogram/FrequencyTable.h"
#include "analysis/pareto/Pareto.h"
#include "analysis/scatter/Regression.h"
#include "analysis/statistics/Stratification.h"
#include "analysis/statistics/VariableStatistics.h"
#include "dataset/Dataset.h"
#include "presentation/TitleTable.h"

namespace zel {

struct Workspace::Records {
    Dataset dataset;
    TitleTable titles;
    AnalysisSet analysisSet;
    ChartDataSet chartData;
    EnteredLimits enteredLimits;
    ClassTable classTable;
    ClassLabelTexts classLabels;
    StratifiedSet stratifiedSet;
    VariableStatistics variableStatistics;
    ParetoItems paretoItems;
    RegressionResults regression;
};

Workspace::Workspace()
    : m_records(std::make_unique<Records>()),
      dataset(m_records->dataset),
      titles(m_records->titles),
      analysisSet(m_records->analysisSet),
      chartData(m_records->chartData),
      enteredLimits(m_records->enteredLimits),
      classTable(m_records->classTable),
      classLabels(m_records->classLabels),
      stratifiedSet(m_records->stratifiedSet),
      variableStatistics(m_records->variableStatistics),
      paretoItems(m_records->paretoItems),
      regression(m_records->regression) {}

Workspace::~Workspace() = default;

const std::string& Workspace::datasetBasePath() const {
    return dataset.basePath;
}

} // namespace zel
