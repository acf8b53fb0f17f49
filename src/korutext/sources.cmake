# korutext: the hypertext label's markup and layout engine (standard C++ only).
add_library(korutext STATIC)
target_link_libraries(korutext PUBLIC zelcore)
zel_sources(korutext
  src/korutext/KoruMarkup.cpp
  src/korutext/KoruText.cpp
  src/korutext/KoruLayout.cpp)

# KORU32: the hypertext label control as a shared library on top of the engine.
if(ZEL_WITH_QT)
  find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets)
  set_target_properties(korutext zelcore PROPERTIES POSITION_INDEPENDENT_CODE ON)
  add_library(KORU32 SHARED)
  set_target_properties(KORU32 PROPERTIES OUTPUT_NAME KORU32 AUTOMOC ON)
  target_link_libraries(KORU32 PUBLIC korutext Qt6::Widgets)
  zel_sources(KORU32
    src/korutext/QtTextMetrics.cpp
    src/korutext/CKoruTextCtrl.cpp
    src/korutext/CKoruTextCtrl.h)
endif()

# The property pages and the demo host program.
if(ZEL_WITH_QT)
  include(src/korutext/pages_sources.cmake)
endif()
