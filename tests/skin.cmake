# Skin engine tests: pure routines, and windows skinned under Wine.
add_wine_test(skin_routine_tests
  SOURCES skin/paint_routines_test.cpp skin/skin_test_support.cpp
  LIBS skin appcore)
add_wine_test(skin_window_tests
  SOURCES skin/settings_test.cpp skin/composition_test.cpp skin/caption_buttons_test.cpp
          skin/window_proc_test.cpp skin/skin_test_support.cpp
  LIBS skin appcore)

add_shell_test(e2e_skinned_window e2e/skinned_window.sh)
