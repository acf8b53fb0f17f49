# The chart component's Qt half (zelui): renderer, layout, series looks, the painters of
# the 2-D families, the widget and its targets.
zel_sources(zelui
  src/components/chart/ChartPainter.h
  src/components/chart/ThreeDPainters.h
  src/components/chart/ChartRenderer.h src/components/chart/ChartRenderer.cpp
  src/components/chart/ChartLayout.h src/components/chart/ChartLayout.cpp
  src/components/chart/SeriesStyle.h src/components/chart/SeriesStyle.cpp
  src/components/chart/BarPainter.h src/components/chart/BarPainter.cpp
  src/components/chart/LinePainter.h src/components/chart/LinePainter.cpp
  src/components/chart/ScatterPainter.h src/components/chart/ScatterPainter.cpp
  src/components/chart/GanttPainter.h src/components/chart/GanttPainter.cpp
  src/components/chart/StatsPainter.h src/components/chart/StatsPainter.cpp
  src/components/chart/ChartView.h src/components/chart/ChartView.cpp
  src/components/print/SharedPrinter.h src/components/print/SharedPrinter.cpp
)
include(src/components/chart/ui_sources_3d.cmake)
