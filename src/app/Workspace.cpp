// Makes the shared records of the Workspace. This is the one place that sees the
// dataset, analysis and title records together; the windows see only their names.
#include "windowkit/Workspace.h"

#include "analysis/AnalysisSet.h"
#include "analysis/control/ChartDataSet.h"
#include "dataset/Dataset.h"
#include "presentation/TitleTable.h"

namespace zel {

struct Workspace::Records {
    Dataset dataset;
    TitleTable titles;
    AnalysisSet analysisSet;
    ChartDataSet chartData;
    EnteredLimits enteredLimits;
};

Workspace::Workspace()
    : m_records(std::make_unique<Records>()),
      dataset(m_records->dataset),
      titles(m_records->titles),
      analysisSet(m_records->analysisSet),
      chartData(m_records->chartData),
      enteredLimits(m_records->enteredLimits) {}

Workspace::~Workspace() = default;

const std::string& Workspace::datasetBasePath() const {
    return dataset.basePath;
}

} // namespace zel
