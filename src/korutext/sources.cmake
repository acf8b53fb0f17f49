# korutext: the hypertext label's markup and layout engine, its stored property
# set, defaults file and registry file (standard C++ only).
add_library(korutext STATIC)
target_link_libraries(korutext PUBLIC zelcore)
zel_sources(korutext
  src/korutext/KoruMarkup.cpp
  src/korutext/KoruText.cpp
  src/korutext/KoruLayout.cpp
  src/korutext/KoruIniFile.cpp
  src/korutext/KoruDefaultsFile.cpp
  src/korutext/KoruPropertySet.cpp
  src/korutext/KoruRegistration.cpp)

# KORU32: the hypertext label control as a shared library on top of the engine.
if(ZEL_WITH_QT)
  find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets)
  set_target_properties(korutext zelcore PROPERTIES POSITION_INDEPENDENT_CODE ON)
  add_library(KORU32 SHARED)
  set_target_properties(KORU32 PROPERTIES OUTPUT_NAME KORU32 AUTOMOC ON)
  target_link_libraries(KORU32 PUBLIC korutext Qt6::Widgets PRIVATE ${CMAKE_DL_LIBS})
  zel_sources(KORU32
    src/korutext/QtTextMetrics.cpp
    src/korutext/CKoruTextCtrl.cpp
    src/korutext/CKoruTextCtrl.h
    src/korutext/KoruCursors.cpp
    src/korutext/KoruAboutBox.cpp
    src/korutext/KoruAboutBox.h
    src/korutext/KoruDefaults.cpp
    src/korutext/KoruEntryPoints.cpp)

  # koru_register: registers the library at install time (and --unregister).
  add_executable(koru_register src/korutext/tools/koru_register.cpp)
  target_link_libraries(koru_register PRIVATE ${CMAKE_DL_LIBS})
  add_dependencies(koru_register KORU32)

  # Targets made later in the tree: the program loads KORU32 at run time only, so
  # it is built before them without being linked; the pop-up caption's window
  # test is told where the library is.
  function(zel_koru_wire_loaders)
    foreach(t zel32 tst_popup_caption)
      if(TARGET ${t})
        add_dependencies(${t} KORU32 koru_register)
      endif()
    endforeach()
    if(TARGET tst_popup_caption)
      target_compile_definitions(tst_popup_caption PRIVATE ZEL_KORU32_LIBRARY="$<TARGET_FILE:KORU32>")
    endif()
  endfunction()
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL zel_koru_wire_loaders)
endif()

# The property pages (in KORU32) and a small host program shipped with the
# library: it shows the control with a sample text, logs its events and opens the
# property pages.
if(ZEL_WITH_QT)
  zel_sources(KORU32
    src/korutext/KoruPropertyPages.cpp
    src/korutext/KoruPropertyPages.h)
  add_executable(koru_demo src/korutext/demo/koru_demo.cpp)
  set_target_properties(koru_demo PROPERTIES AUTOMOC ON)
  target_link_libraries(koru_demo PRIVATE KORU32)
endif()
