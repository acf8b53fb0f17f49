# Pure rules of the file dialogs (zelcore).
zel_sources(zelcore
  src/dataset/FileDialogRules.h src/dataset/FileDialogRules.cpp
)
