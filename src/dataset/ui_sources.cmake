# Qt files of the dataset folder (zelui).
zel_sources(zelui
  src/dataset/DataSheet.h src/dataset/DataSheet.cpp
  src/dataset/nymode.h src/dataset/nymode.cpp
)
