# The data-printing window (zelui).
zel_sources(zelui
  src/dataset/DataPrintCommand.h src/dataset/DataPrintCommand.cpp
  src/dataset/inmode.h src/dataset/inmode.cpp
)
