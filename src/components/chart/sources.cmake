# The pure half of the chart component: model, scales, 3-D projection, fits,
# statistics lines and the hit index. No Qt here.
zel_sources(zelcore
  src/components/chart/ChartModel.h src/components/chart/ChartModel.cpp
  src/components/chart/ChartScale.h src/components/chart/ChartScale.cpp
  src/components/chart/Projection3D.h src/components/chart/Projection3D.cpp
  src/components/chart/Fit.h src/components/chart/Fit.cpp
  src/components/chart/ChartStats.h src/components/chart/ChartStats.cpp
  src/components/chart/HitIndex.h src/components/chart/HitIndex.cpp
)
