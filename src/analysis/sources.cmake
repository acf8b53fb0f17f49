# Pure analysis computations (zelcore).
zel_sources(zelcore
  src/analysis/AnalysisSet.h src/analysis/AnalysisSet.cpp
  src/analysis/Launch.h src/analysis/Launch.cpp
  src/analysis/ResultTable.h src/analysis/ResultTable.cpp
  src/analysis/control/ChartDataSet.h src/analysis/control/ChartDataSet.cpp
  src/analysis/control/XbarR.h src/analysis/control/XbarR.cpp
  src/analysis/control/XRs.h src/analysis/control/XRs.cpp
  src/analysis/control/PChart.h src/analysis/control/PChart.cpp
  src/analysis/control/DefectCount.h src/analysis/control/DefectCount.cpp
  src/analysis/control/LimitsFile.h src/analysis/control/LimitsFile.cpp
  src/analysis/control/ControlChartFill.h src/analysis/control/ControlChartFill.cpp
  src/analysis/control/ControlReports.h src/analysis/control/ControlReports.cpp
)
