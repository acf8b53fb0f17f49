# Graph titles and graph settings, the pure half (zelcore).
zel_sources(zelcore
  src/presentation/TitleTable.h src/presentation/TitleTable.cpp
  src/presentation/GraphSettings.h src/presentation/GraphSettings.cpp
)
