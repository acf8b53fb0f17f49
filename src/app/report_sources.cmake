# The headless report command of zel32 (zelui).
zel_sources(zelui
  src/app/ReportCommand.h src/app/ReportCommand.cpp
)
