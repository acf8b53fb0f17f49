# common: status, number texts, the computed result table, code page 932 and the
# settings-store interface.
# Standard C++ only (zelcore).
zel_sources(zelcore
  src/common/Status.h
  src/common/NamedRows.h
  src/common/FileMessages.h
  src/common/Analyses.h src/common/Analyses.cpp
  src/common/NumberText.h src/common/NumberText.cpp
  src/common/ResultTable.h src/common/ResultTable.cpp
  # The sample each chart point stands for (the chart <-> data sheet link).
  src/common/SamplePoints.h src/common/SamplePoints.cpp
  src/common/Cp932.h src/common/Cp932.cpp
  src/common/SettingsStore.h src/common/SettingsStore.cpp
)
