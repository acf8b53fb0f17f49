# The data grid component (zelui).
zel_sources(zelui
  src/components/grid/DataGrid.h src/components/grid/DataGrid.cpp
  src/components/grid/GridModel.h src/components/grid/GridModel.cpp
  src/components/grid/GridDelegate.h src/components/grid/GridDelegate.cpp
)
