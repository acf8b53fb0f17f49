# The editing, mask and data-label dialogs (zelui).
zel_sources(zelui
  src/dataset/EditCommands.h src/dataset/EditCommands.cpp
)
