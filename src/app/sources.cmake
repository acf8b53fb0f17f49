# Pure application-shell code (zelcore).
zel_sources(zelcore
  src/app/Workspace.h src/app/Workspace.cpp
  src/app/WindowGeometry.h src/app/WindowGeometry.cpp
  src/app/AppSettings.h src/app/AppSettings.cpp
  src/app/CommandLine.h src/app/CommandLine.cpp
)
