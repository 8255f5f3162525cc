# The GDI+ object layer against the platform's GDI+ (Wine's under CTest).
add_wine_test(gdiplus_tests
  SOURCES gdiplus/test_conventions.cpp gdiplus/test_images.cpp gdiplus/test_text.cpp
          gdiplus/test_paths.cpp gdiplus/test_tooltip.cpp
  LIBS gdiplus_layer)
