# app: the program on top: the main window form1, start-up, the command line, the
# report command, the help and version windows and the pop-up caption.

# zelcore (no Qt): the command line and the making of the shared records.
zel_sources(zelcore
  src/app/Workspace.cpp
  src/app/CommandLine.h src/app/CommandLine.cpp
  src/app/RecentFiles.h src/app/RecentFiles.cpp
)

# zelui (Qt).
if(ZEL_WITH_QT)
  zel_sources(zelui
    src/app/rip.h src/app/rip.cpp
    src/app/form1.h src/app/form1.cpp
    src/app/endform.h src/app/endform.cpp
    src/app/dsf.h src/app/dsf.cpp
    src/app/PopupCaption.h
    src/app/LabelPopupCaption.h src/app/LabelPopupCaption.cpp
    src/app/KoruPopupCaption.h src/app/KoruPopupCaption.cpp
    src/app/ToolbarPictures.h src/app/ToolbarPictures.cpp
    src/app/HelpWindow.h src/app/HelpWindow.cpp
    src/app/verj.h src/app/verj.cpp
    src/app/SIYOU.h src/app/SIYOU.cpp
    src/app/Translations.h src/app/Translations.cpp
    src/app/ReportCommand.h src/app/ReportCommand.cpp
    src/app/Recovery.h src/app/Recovery.cpp
    src/app/ProgramStart.h src/app/ProgramStart.cpp
  )
  # The pop-up caption reads the KORU32 registry record and builds the control's
  # stored set with the pure hypertext-label code; the library itself is loaded at
  # run time (dlopen), never linked.
  target_link_libraries(zelui PRIVATE korutext ${CMAKE_DL_LIBS})
  # The help pages, built into the program.
  qt_add_resources(zelui "zel_help"
    PREFIX "/help"
    BASE "${CMAKE_SOURCE_DIR}/resources/help"
    FILES
      ${CMAKE_SOURCE_DIR}/resources/help/index.html
      ${CMAKE_SOURCE_DIR}/resources/help/usage.html
      ${CMAKE_SOURCE_DIR}/resources/help/sheet.html
      ${CMAKE_SOURCE_DIR}/resources/help/files.html
      ${CMAKE_SOURCE_DIR}/resources/help/analysis.html
      ${CMAKE_SOURCE_DIR}/resources/help/control.html
      ${CMAKE_SOURCE_DIR}/resources/help/descriptive.html
      ${CMAKE_SOURCE_DIR}/resources/help/regression.html
      ${CMAKE_SOURCE_DIR}/resources/help/graphs.html
      ${CMAKE_SOURCE_DIR}/resources/help/output.html
  )
endif()
