# The property pages dialog and the demo host (KORU32 and koru_demo).
zel_sources(KORU32
  src/korutext/KoruPropertyPages.cpp
  src/korutext/KoruPropertyPages.h)

# A small host program shipped with the library: shows the control with a sample
# text, logs its events and opens the property pages.
add_executable(koru_demo src/korutext/demo/koru_demo.cpp)
set_target_properties(koru_demo PROPERTIES AUTOMOC ON)
target_link_libraries(koru_demo PRIVATE KORU32)
