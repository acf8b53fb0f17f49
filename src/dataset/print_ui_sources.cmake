# The data-printing window (zelui).
zel_sources(zelui
  src/dataset/DataPrintCommand.h src/dataset/DataPrintCommand.cpp
)
