# Button family: set-up, painters, the shared procedure, picture buttons.
add_wine_test(button_tests
  SOURCES buttons/setup_test.cpp buttons/painters_test.cpp buttons/button_proc_test.cpp
          buttons/image_buttons_test.cpp skin/skin_test_support.cpp
  LIBS skin appcore)

add_shell_test(e2e_buttons e2e/buttons.sh)
