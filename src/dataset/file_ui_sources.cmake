# The file commands and their dialogs (zelui).
zel_sources(zelui
  src/dataset/FileCommands.h src/dataset/FileCommands.cpp
  src/dataset/FileDialogBase.h src/dataset/FileDialogBase.cpp
  src/dataset/sinkform.h src/dataset/sinkform.cpp
  src/dataset/saveform.h src/dataset/saveform.cpp
  src/dataset/LoadForm.h src/dataset/LoadForm.cpp
  src/dataset/tydata.h src/dataset/tydata.cpp
  src/dataset/rot.h src/dataset/rot.cpp
)
