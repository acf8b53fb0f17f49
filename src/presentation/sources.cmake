# presentation: graph titles and settings, print planning and grid printing, the
# graph-window and result-table-window frames and their dialogs.

# zelcore (no Qt): print markup and page planning, titles, graph settings.
zel_sources(zelcore
  src/presentation/PrintLayout.h src/presentation/PrintLayout.cpp
  src/presentation/TitleTable.h src/presentation/TitleTable.cpp
  src/presentation/GraphSettings.h src/presentation/GraphSettings.cpp
)

# zelui (Qt).
if(ZEL_WITH_QT)
  zel_sources(zelui
    src/presentation/GridPrinting.h src/presentation/GridPrinting.cpp
    src/presentation/PrintAbortDialog.h src/presentation/PrintAbortDialog.cpp
    src/presentation/GraphWindow.h src/presentation/GraphWindow.cpp
    src/presentation/titlef.h src/presentation/titlef.cpp
    src/presentation/grids.h src/presentation/grids.cpp
    src/presentation/rgset.h src/presentation/rgset.cpp
    src/presentation/ResultTableWindow.h src/presentation/ResultTableWindow.cpp
    src/presentation/ReportDocument.h src/presentation/ReportDocument.cpp
  )
endif()
