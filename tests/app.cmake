add_wine_test(app_tests
  SOURCES app/app_environment.cpp app/caption_test.cpp app/block_lists_test.cpp app/hosts_test.cpp
          app/registry_test.cpp app/trim_tool_test.cpp
  LIBS appcore)
add_wine_test(app_startup_tests SOURCES app/startup_test.cpp LIBS appcore)

add_shell_test(e2e_block_hosts e2e/block_hosts.sh)
