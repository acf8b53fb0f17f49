# korutext: the hypertext label's markup and layout engine (standard C++ only).
add_library(korutext STATIC)
target_link_libraries(korutext PUBLIC zelcore)
zel_sources(korutext
  src/korutext/KoruMarkup.cpp
  src/korutext/KoruText.cpp
  src/korutext/KoruLayout.cpp)
