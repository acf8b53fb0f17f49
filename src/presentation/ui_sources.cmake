# Printing of grids (zelui).
zel_sources(zelui
  src/presentation/GridPrinting.h src/presentation/GridPrinting.cpp
  src/presentation/PrintAbortDialog.h src/presentation/PrintAbortDialog.cpp
)
