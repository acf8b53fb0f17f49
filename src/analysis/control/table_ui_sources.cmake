# Qt sources (zelui): the control charts' table windows and dialogs.
zel_sources(zelui
  src/analysis/control/ControlTableWindow.h src/analysis/control/ControlTableWindow.cpp
  src/analysis/control/XR1.h src/analysis/control/XR1.cpp
  src/analysis/control/XRS1.h src/analysis/control/XRS1.cpp
  src/analysis/control/p1.h src/analysis/control/p1.cpp
  src/analysis/control/xrshensi.h src/analysis/control/xrshensi.cpp
  src/analysis/control/phensi2.h src/analysis/control/phensi2.cpp
  src/analysis/control/ketten.h src/analysis/control/ketten.cpp
  src/analysis/control/kgenin.h src/analysis/control/kgenin.cpp
  src/analysis/control/xrload.h src/analysis/control/xrload.cpp
  src/analysis/control/xrkase.h src/analysis/control/xrkase.cpp
)
