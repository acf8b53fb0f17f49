# windowkit: what every window stands on: the shared records' shape, window
# geometry, the settings the windows keep, the window base class, message boxes,
# the menu bar of frame windows and the main window's services.

# zelcore (no Qt).
zel_sources(zelcore
  src/windowkit/Workspace.h
  src/windowkit/WindowGeometry.h src/windowkit/WindowGeometry.cpp
  src/windowkit/AppSettings.h src/windowkit/AppSettings.cpp
)

# zelui (Qt).
if(ZEL_WITH_QT)
  zel_sources(zelui
    src/windowkit/MainContext.h
    src/windowkit/QSettingsStore.h src/windowkit/QSettingsStore.cpp
    src/windowkit/ZelWindow.h src/windowkit/ZelWindow.cpp
    src/windowkit/MessageBox.h src/windowkit/MessageBox.cpp
    src/windowkit/MenuFrame.h src/windowkit/MenuFrame.cpp
    src/windowkit/WaitCursor.h
  )
endif()
