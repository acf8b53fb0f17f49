# Pure dataset code (zelcore).
zel_sources(zelcore
  src/dataset/Dataset.h src/dataset/Dataset.cpp
  src/dataset/DatasetFile.h src/dataset/DatasetFile.cpp
  src/dataset/StartupPath.h src/dataset/StartupPath.cpp
)
include(src/dataset/csv_sources.cmake)
