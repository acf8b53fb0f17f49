# Qt sources of the analysis launch and the variable dialogs (zelui).
zel_sources(zelui
  src/analysis/AnalysisLaunch.h src/analysis/AnalysisLaunch.cpp
  src/analysis/VariableLists.h src/analysis/VariableLists.cpp
  src/analysis/hensi1.h src/analysis/hensi1.cpp
  src/analysis/hensi2.h src/analysis/hensi2.cpp
  src/analysis/hensi3.h src/analysis/hensi3.cpp
)
