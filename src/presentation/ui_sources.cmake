# Printing of grids (zelui).
# The pure planner lives in zelcore; the guard keeps a second include harmless.
include(${CMAKE_SOURCE_DIR}/src/presentation/sources.cmake)
zel_sources(zelui
  src/presentation/GridPrinting.h src/presentation/GridPrinting.cpp
  src/presentation/PrintAbortDialog.h src/presentation/PrintAbortDialog.cpp
)
