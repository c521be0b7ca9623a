# The note window's flat scroll buttons, caption bar and icon bitmaps.
# Included by notes/CMakeLists.txt in every tree: the caption geometry is
# OS-free and tested natively; the rest joins jotbox_core.
if(VANTORA_WIN32)
  set(JOTBOX_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FlatBitmapButton.cpp)
  set(JOTBOX_UI_RC ${CMAKE_CURRENT_LIST_DIR}/res/icons.rc)

  # The tests load bitmaps 102..109 from their own executable.
  vantora_test(jotbox_ui_tests
    SOURCES FlatBitmapButtonTest.cpp ${JOTBOX_UI_RC}
    LIBS jotbox_core vantora_test_support gdi32 user32)
endif()
