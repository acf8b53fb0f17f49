# Painters of the pie and 3-D families, and the chart gallery (zelui).
zel_sources(zelui
  src/components/chart/ThreeDPainters.h src/components/chart/ThreeDPainters.cpp
  src/components/chart/PiePainter.h src/components/chart/PiePainter.cpp
  src/components/chart/Box3DScene.h src/components/chart/Box3DScene.cpp
  src/components/chart/ThreeDBarPainter.h src/components/chart/ThreeDBarPainter.cpp
  src/components/chart/ThreeDAreaPainter.h src/components/chart/ThreeDAreaPainter.cpp
  src/components/chart/ThreeDScatterPainter.h src/components/chart/ThreeDScatterPainter.cpp
  src/components/chart/ChartGallery.h src/components/chart/ChartGallery.cpp
)
