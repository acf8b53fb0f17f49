# The file commands and their dialogs (zelui).
zel_sources(zelui
  src/dataset/FileCommands.h src/dataset/FileCommands.cpp
)
