# CSV and the --convert command (zelcore).
zel_sources(zelcore
  src/dataset/CsvFile.h src/dataset/CsvFile.cpp
  src/dataset/Convert.h src/dataset/Convert.cpp
)
