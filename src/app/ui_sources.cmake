# Qt files of the application shell (zelui).
zel_sources(zelui
  src/app/MainContext.h
  src/app/QSettingsStore.h src/app/QSettingsStore.cpp
  src/app/ZelWindow.h src/app/ZelWindow.cpp
  src/app/MessageBox.h src/app/MessageBox.cpp
  src/app/rip.h src/app/rip.cpp
  src/app/form1.h src/app/form1.cpp
  src/app/endform.h src/app/endform.cpp
  src/app/dsf.h src/app/dsf.cpp
)
