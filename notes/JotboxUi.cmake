# The note window's flat scroll buttons, caption bar and icon bitmaps.
# Included by notes/CMakeLists.txt in every tree: the caption geometry is
# OS-free and tested natively; the rest joins jotbox_core.
vantora_os_free_library(jotbox_caption_geometry CaptionGeometry.cpp)
vantora_test(jotbox_caption_geometry_tests SOURCES CaptionGeometryTest.cpp LIBS jotbox_caption_geometry)

if(VANTORA_WIN32)
  set(JOTBOX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FlatBitmapButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CaptionBar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CaptionGeometry.cpp)
  set(JOTBOX_UI_RC ${CMAKE_CURRENT_LIST_DIR}/res/icons.rc)

  # The tests load bitmaps 102..109 from their own executable.
  vantora_test(jotbox_ui_tests
    SOURCES FlatBitmapButtonTest.cpp CaptionBarTest.cpp ${JOTBOX_UI_RC}
    LIBS jotbox_core vantora_test_support gdi32 user32)
endif()
