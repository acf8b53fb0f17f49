# components: the chart component, the data grid and the shared printer.

# zelcore (no Qt): the chart model, scales, 3-D projection, fits, statistics
# lines and the hit index.
zel_sources(zelcore
  src/components/chart/ChartModel.h src/components/chart/ChartModel.cpp
  src/components/chart/ViewAngles.h
  src/components/chart/ChartScale.h src/components/chart/ChartScale.cpp
  src/components/chart/Projection3D.h src/components/chart/Projection3D.cpp
  src/components/chart/Fit.h src/components/chart/Fit.cpp
  src/components/chart/ChartStats.h src/components/chart/ChartStats.cpp
  src/components/chart/HitIndex.h src/components/chart/HitIndex.cpp
)

# zelui (Qt): the chart renderer, layout, series looks, painters, widget and
# gallery; the data grid; the printer every print uses.
if(ZEL_WITH_QT)
  zel_sources(zelui
    src/components/chart/ChartPainter.h
    src/components/chart/ChartRenderer.h src/components/chart/ChartRenderer.cpp
    src/components/chart/ChartLayout.h src/components/chart/ChartLayout.cpp
    src/components/chart/SeriesStyle.h src/components/chart/SeriesStyle.cpp
    src/components/chart/BarPainter.h src/components/chart/BarPainter.cpp
    src/components/chart/LinePainter.h src/components/chart/LinePainter.cpp
    src/components/chart/ScatterPainter.h src/components/chart/ScatterPainter.cpp
    src/components/chart/GanttPainter.h src/components/chart/GanttPainter.cpp
    src/components/chart/StatsPainter.h src/components/chart/StatsPainter.cpp
    src/components/chart/ThreeDPainters.h src/components/chart/ThreeDPainters.cpp
    src/components/chart/PiePainter.h src/components/chart/PiePainter.cpp
    src/components/chart/Box3DScene.h src/components/chart/Box3DScene.cpp
    src/components/chart/ThreeDBarPainter.h src/components/chart/ThreeDBarPainter.cpp
    src/components/chart/ThreeDAreaPainter.h src/components/chart/ThreeDAreaPainter.cpp
    src/components/chart/ThreeDScatterPainter.h src/components/chart/ThreeDScatterPainter.cpp
    src/components/chart/ChartExport.h src/components/chart/ChartExport.cpp
    src/components/chart/ChartView.h src/components/chart/ChartView.cpp
    src/components/chart/ChartGallery.h src/components/chart/ChartGallery.cpp
    src/components/grid/DataGrid.h src/components/grid/DataGrid.cpp
    src/components/grid/GridModel.h src/components/grid/GridModel.cpp
    src/components/grid/GridDelegate.h src/components/grid/GridDelegate.cpp
    src/components/print/SharedPrinter.h src/components/print/SharedPrinter.cpp
  )
endif()
