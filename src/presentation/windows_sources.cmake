# Graph titles, graph-window and result-table-window frames and their dialogs (zelui).
zel_sources(zelui
  src/presentation/GraphWindow.h src/presentation/GraphWindow.cpp
  src/presentation/titlef.h src/presentation/titlef.cpp
  src/presentation/grids.h src/presentation/grids.cpp
  src/presentation/rgset.h src/presentation/rgset.cpp
  src/presentation/ResultTableWindow.h src/presentation/ResultTableWindow.cpp
)
