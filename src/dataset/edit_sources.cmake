# Pure structure edits of the dataset (zelcore).
zel_sources(zelcore
  src/dataset/DatasetEdit.h src/dataset/DatasetEdit.cpp
)
