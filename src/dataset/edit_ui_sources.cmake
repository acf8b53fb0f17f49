# The editing, mask and data-label dialogs (zelui).
zel_sources(zelui
  src/dataset/EditCommands.h src/dataset/EditCommands.cpp
  src/dataset/InsertDialog.h src/dataset/InsertDialog.cpp
  src/dataset/gyousou.h src/dataset/gyousou.cpp
  src/dataset/gyoudel.h src/dataset/gyoudel.cpp
  src/dataset/retusou.h src/dataset/retusou.cpp
  src/dataset/retudel.h src/dataset/retudel.cpp
  src/dataset/henhenf.h src/dataset/henhenf.cpp
  src/dataset/masukuf.h src/dataset/masukuf.cpp
  src/dataset/parekos.h src/dataset/parekos.cpp
)
