# The control-chart windows (zelui).
zel_sources(zelui
  src/analysis/control/ControlChartWindow.h src/analysis/control/ControlChartWindow.cpp
  src/analysis/control/xrkanri.h src/analysis/control/xrkanri.cpp
  src/analysis/control/xrskanri.h src/analysis/control/xrskanri.cpp
  src/analysis/control/pkanri.h src/analysis/control/pkanri.cpp
  src/analysis/control/kanri1.h src/analysis/control/kanri1.cpp
)
# The control charts of the chart gallery (zelui).
zel_sources(zelui
  src/analysis/control/ControlChartGallery.h src/analysis/control/ControlChartGallery.cpp
)
