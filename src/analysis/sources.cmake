# analysis: the analysis computations, the launch, the variable dialogs and the
# control-chart windows.

# zelcore (no Qt): the computations and the records they share.
zel_sources(zelcore
  src/analysis/AnalysisSet.h src/analysis/AnalysisSet.cpp
  src/analysis/Launch.h src/analysis/Launch.cpp
  src/analysis/control/ChartDataSet.h src/analysis/control/ChartDataSet.cpp
  src/analysis/control/XbarR.h src/analysis/control/XbarR.cpp
  src/analysis/control/XbarRCapability.h src/analysis/control/XbarRCapability.cpp
  src/analysis/control/XRs.h src/analysis/control/XRs.cpp
  src/analysis/control/PChart.h src/analysis/control/PChart.cpp
  src/analysis/control/DefectCount.h src/analysis/control/DefectCount.cpp
  src/analysis/control/LimitsFile.h src/analysis/control/LimitsFile.cpp
  src/analysis/control/ControlChartFill.h src/analysis/control/ControlChartFill.cpp
  # The run rules of the control charts.
  src/analysis/control/RunRules.h src/analysis/control/RunRules.cpp
  src/analysis/control/ControlReports.h src/analysis/control/ControlReports.cpp
  src/analysis/ReportEntry.h src/analysis/ReportEntries.cpp
  # Process capability of the histogram and the Xbar-R chart.
  src/analysis/Capability.h src/analysis/Capability.cpp
  src/analysis/CapabilityReport.h src/analysis/CapabilityReport.cpp
  src/analysis/scatter/Regression.h src/analysis/scatter/Regression.cpp
  # The regression tables kaibun and kaityo show.
  src/analysis/scatter/RegressionTables.h src/analysis/scatter/RegressionTables.cpp
  src/analysis/scatter/ScatterReports.h src/analysis/scatter/ScatterReports.cpp
  # The scatter window's kinds and chart fill (sanpuzu and the scatter report).
  src/analysis/scatter/ScatterFill.h src/analysis/scatter/ScatterFill.cpp
  # The histogram chain: the graph settings rules, the Class table, the frequency table.
  src/analysis/histogram/ClassSettings.h src/analysis/histogram/ClassSettings.cpp
  src/analysis/histogram/CapabilityOverlay.h src/analysis/histogram/CapabilityOverlay.cpp
  src/analysis/histogram/ClassTable.h src/analysis/histogram/ClassTable.cpp
  src/analysis/histogram/FrequencyTable.h src/analysis/histogram/FrequencyTable.cpp
  # The histogram window's kinds and chart fill.
  src/analysis/histogram/HistogramFill.h src/analysis/histogram/HistogramFill.cpp
  src/analysis/histogram/HistogramReports.h src/analysis/histogram/HistogramReports.cpp
  # Statistics by variable and by stratum.
  src/analysis/statistics/VariableStatistics.h src/analysis/statistics/VariableStatistics.cpp
  src/analysis/statistics/Stratification.h src/analysis/statistics/Stratification.cpp
  src/analysis/statistics/ComparisonGraph.h src/analysis/statistics/ComparisonGraph.cpp
  src/analysis/statistics/StatisticsReports.h src/analysis/statistics/StatisticsReports.cpp
  # The Gantt chart: project names, its set, fill, clicks and report entry.
  src/analysis/gantt/GanttChart.h src/analysis/gantt/GanttChart.cpp
  src/analysis/gantt/GanttReports.h src/analysis/gantt/GanttReports.cpp
  # The variable graphs: the kind lists, the fill, the statistics-line code, the report.
  src/analysis/vargraph/VariableGraphFill.h src/analysis/vargraph/VariableGraphFill.cpp
  src/analysis/vargraph/VariableGraphReports.h src/analysis/vargraph/VariableGraphReports.cpp
  # The Pareto chart: the items, their table, the fold into "その他", the chart kind, the report.
  src/analysis/pareto/Pareto.h src/analysis/pareto/Pareto.cpp
  src/analysis/pareto/ParetoReports.h src/analysis/pareto/ParetoReports.cpp
  # The three-dimensional scatter: its kinds, fill, click texts and report entry.
  src/analysis/scatter/Scatter3DFill.h src/analysis/scatter/Scatter3DFill.cpp
  src/analysis/scatter/Scatter3DReports.h src/analysis/scatter/Scatter3DReports.cpp
)

# zelui (Qt): the launch, the variable dialogs, the control charts' table and
# chart windows and their dialogs.
if(ZEL_WITH_QT)
  zel_sources(zelui
    src/analysis/AnalysisLaunch.h src/analysis/AnalysisLaunch.cpp
    src/analysis/VariableLists.h src/analysis/VariableLists.cpp
    src/analysis/VariableDialog.h src/analysis/VariableDialog.cpp
    src/analysis/VariableCountDialog.h src/analysis/VariableCountDialog.cpp
    src/analysis/SeriesGraphWindow.h src/analysis/SeriesGraphWindow.cpp
    src/analysis/ClassificationDialog.h src/analysis/ClassificationDialog.cpp
    # The limits dialog of the process capability.
    src/analysis/CapabilityDialog.h src/analysis/CapabilityDialog.cpp
    src/analysis/CapabilityPanel.h src/analysis/CapabilityPanel.cpp
    src/analysis/hensi1.h src/analysis/hensi1.cpp
    src/analysis/hensi2.h src/analysis/hensi2.cpp
    src/analysis/hensi3.h src/analysis/hensi3.cpp
    src/analysis/control/ControlWindows.h
    src/analysis/control/ControlTableWindow.h src/analysis/control/ControlTableWindow.cpp
    src/analysis/control/XR1.h src/analysis/control/XR1.cpp
    src/analysis/control/XRS1.h src/analysis/control/XRS1.cpp
    src/analysis/control/p1.h src/analysis/control/p1.cpp
    src/analysis/control/xrshensi.h src/analysis/control/xrshensi.cpp
    src/analysis/control/phensi2.h src/analysis/control/phensi2.cpp
    src/analysis/control/ketten.h src/analysis/control/ketten.cpp
    src/analysis/control/kgenin.h src/analysis/control/kgenin.cpp
    src/analysis/control/xrload.h src/analysis/control/xrload.cpp
    src/analysis/control/xrkase.h src/analysis/control/xrkase.cpp
    src/analysis/control/ControlChartWindow.h src/analysis/control/ControlChartWindow.cpp
    # The run-rule dialog of the control-chart windows.
    src/analysis/control/RunRulesDialog.h src/analysis/control/RunRulesDialog.cpp
    src/analysis/control/xrkanri.h src/analysis/control/xrkanri.cpp
    src/analysis/control/xrskanri.h src/analysis/control/xrskanri.cpp
    src/analysis/control/pkanri.h src/analysis/control/pkanri.cpp
    src/analysis/control/kanri1.h src/analysis/control/kanri1.cpp
    src/analysis/control/ControlChartGallery.h src/analysis/control/ControlChartGallery.cpp
    # The analyses' pictures of the chart gallery: shared datasets and redraw end,
    # the histograms and frequency table, the comparison graphs.
    src/analysis/AnalysisGallery.h src/analysis/AnalysisGallery.cpp
    src/analysis/histogram/HistogramGallery.h src/analysis/histogram/HistogramGallery.cpp
    src/analysis/statistics/StatisticsGallery.h src/analysis/statistics/StatisticsGallery.cpp
    src/analysis/pareto/ParetoGallery.h src/analysis/pareto/ParetoGallery.cpp
    # The histogram chain's dialogs and the frequency table window.
    src/analysis/histogram/hensuup.h
    src/analysis/histogram/bunform.h src/analysis/histogram/bunform.cpp
    src/analysis/histogram/dobun.h src/analysis/histogram/dobun.cpp
    # The histogram window and its classification and scale dialogs.
    src/analysis/histogram/youko.h src/analysis/histogram/youko.cpp
    src/analysis/histogram/kikaku.h src/analysis/histogram/kikaku.cpp
    src/analysis/histogram/MEMORIH.h src/analysis/histogram/MEMORIH.cpp
    # Statistics by variable and by stratum: hakoh, hakohg, hensi2so, hakohso.
    src/analysis/statistics/hakoh.h src/analysis/statistics/hakoh.cpp
    src/analysis/statistics/hakohg.h src/analysis/statistics/hakohg.cpp
    src/analysis/statistics/hensi2so.h src/analysis/statistics/hensi2so.cpp
    src/analysis/statistics/hakohso.h src/analysis/statistics/hakohso.cpp
    # The Gantt chart: the project name window and the chart window.
    src/analysis/gantt/gantol.h src/analysis/gantt/gantol.cpp
    src/analysis/gantt/gantog.h src/analysis/gantt/gantog.cpp
    src/analysis/gantt/GanttGallery.h src/analysis/gantt/GanttGallery.cpp
    # The variable graphs: hensuub, oresen and its dialogs toukei and okikaku.
    src/analysis/vargraph/hensuub.h
    src/analysis/vargraph/oresen.h src/analysis/vargraph/oresen.cpp
    src/analysis/vargraph/toukei.h src/analysis/vargraph/toukei.cpp
    src/analysis/vargraph/okikaku.h src/analysis/vargraph/okikaku.cpp
    src/analysis/vargraph/VariableGraphGallery.h src/analysis/vargraph/VariableGraphGallery.cpp
    # The Pareto chain: pare1, the table window pareko, the item count dialog pareno.
    src/analysis/pareto/pare1.h src/analysis/pareto/pare1.cpp
    src/analysis/pareto/pareko.h src/analysis/pareto/pareko.cpp
    src/analysis/pareto/pareno.h src/analysis/pareto/pareno.cpp
    # The regression tables: kaibun (analysis of variance) and kaityo (regression line).
    src/analysis/scatter/kaibun.h src/analysis/scatter/kaibun.cpp
    src/analysis/scatter/kaityo.h src/analysis/scatter/kaityo.cpp
    # The scatter diagram: the X-count dialog sanpuset, the scatter window
    # sanpuzu and its degree dialog TAKOJI.
    src/analysis/scatter/sanpuset.h src/analysis/scatter/sanpuset.cpp
    src/analysis/scatter/sanpuzu.h src/analysis/scatter/sanpuzu.cpp
    src/analysis/scatter/TAKOJI.h src/analysis/scatter/TAKOJI.cpp
    src/analysis/scatter/ScatterGallery.h src/analysis/scatter/ScatterGallery.cpp
    # The three-dimensional scatter window rsanpu and its gallery pictures.
    src/analysis/scatter/rsanpu.h src/analysis/scatter/rsanpu.cpp
    src/analysis/scatter/Scatter3DGallery.h src/analysis/scatter/Scatter3DGallery.cpp
  )
endif()
