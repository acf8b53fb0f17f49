# Pure presentation code: print markup and page planning (zelcore).
zel_sources(zelcore
  src/presentation/PrintLayout.h src/presentation/PrintLayout.cpp
)
